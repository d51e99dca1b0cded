// Renders the program's SVG icon into the PNG sizes the icon theme and the window icon use:
//   render_icons ICON.svg OUTPUT_FOLDER
// Run by hand after changing the SVG (cmake --build BUILD --target render_icons); the PNGs
// are kept in the repository so that a build needs no SVG renderer.

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: render_icons ICON.svg OUTPUT_FOLDER\n");
    return 2;
  }
  QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
  if (!svg.isValid()) {
    std::fprintf(stderr, "render_icons: cannot read %s\n", argv[1]);
    return 1;
  }
  for (int size : {16, 32, 48, 64, 128, 256}) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    const QString path = QString::fromLocal8Bit(argv[2]) + QString("/%1.png").arg(size);
    if (!image.save(path)) {
      std::fprintf(stderr, "render_icons: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
