// Renders the remote's vector pictures into PNGs for builds without an SVG renderer (Windows):
//   render_remote_artwork OUTPUT_FOLDER IMAGE.svg...
// Each image is written at its own size, 1.5 and 2 times that: NAME.png, NAME@1.5x.png and
// NAME@2x.png. scripts/windows.sh builds this on the host and runs it before the Windows build.

#include <QGuiApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: render_remote_artwork OUTPUT_FOLDER IMAGE.svg...\n");
    return 2;
  }
  QGuiApplication app(argc, argv);  // the labels on the remote's body need the fonts
  const QString folder = QString::fromLocal8Bit(argv[1]);
  for (int i = 2; i < argc; ++i) {
    const QString source = QString::fromLocal8Bit(argv[i]);
    QSvgRenderer svg(source);
    if (!svg.isValid()) {
      std::fprintf(stderr, "render_remote_artwork: cannot read %s\n", argv[i]);
      return 1;
    }
    const QString name = QFileInfo(source).completeBaseName();
    for (const auto& [scale, suffix] : {std::pair{1.0, ""}, {1.5, "@1.5x"}, {2.0, "@2x"}}) {
      const QSize size(static_cast<int>(std::lround(svg.defaultSize().width() * scale)),
                       static_cast<int>(std::lround(svg.defaultSize().height() * scale)));
      QImage image(size, QImage::Format_ARGB32_Premultiplied);
      image.fill(Qt::transparent);
      QPainter painter(&image);
      painter.setRenderHint(QPainter::Antialiasing);
      svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
      painter.end();
      const QString path = folder + "/" + name + suffix + ".png";
      if (!image.save(path)) {
        std::fprintf(stderr, "render_remote_artwork: cannot write %s\n", qPrintable(path));
        return 1;
      }
    }
  }
  return 0;
}
