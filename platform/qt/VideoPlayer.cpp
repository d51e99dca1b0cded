#include "platform/qt/VideoPlayer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QThread>
#include <QWidget>

#include <algorithm>

#include "platform/qt/CanvasWindow.h"
#include "platform/qt/VideoDecoder.h"
#include "platform/qtgui/DesktopPixels.h"
#include "platform/KeyTranslation.h"

namespace lenvari {
namespace {

// Time the decoder gets to show the first picture before the file counts as unplayable.
constexpr int kFirstPictureMilliseconds = 10000;

// The window the pictures are painted in, letterboxed on black.
class VideoSurface : public QWidget {
 public:
  QImage picture;
  int framesShown = 0;
  CanvasWindow* covered = nullptr;

  VideoSurface() {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setWindowTitle("Lenvari Acuity Video");
    setCursor(Qt::BlankCursor);
    setFocusPolicy(Qt::StrongFocus);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (picture.isNull()) return;
    const QSize fitted = picture.size().scaled(size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2),
                       fitted);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture);
  }
  // Every key and click belongs to the chart underneath: any of them ends the video there.
  void keyPressEvent(QKeyEvent* event) override {
    if (!covered) return;
    KeyPress key;
    key.windowKey = event->key();
    key.ctrl = event->modifiers() & Qt::ControlModifier;
    key.alt = event->modifiers() & Qt::AltModifier;
    key.shift = event->modifiers() & Qt::ShiftModifier;
    key.text = event->text().toStdString();
    covered->InjectKey(key);
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (!covered || event->button() != Qt::LeftButton) return;
    const QPointF pixel = event->position() * devicePixelRatioF();
    covered->InjectClick(pixel.x(), pixel.y());
  }
};

}  // namespace

struct VideoScreen::Impl {
  VideoSurface surface;
  std::unique_ptr<VideoDecoder> decoder;
  QString error;

  void Release() {
    decoder.reset();
    surface.hide();
    surface.picture = QImage();
  }
};

VideoScreen::VideoScreen() : impl_(std::make_unique<Impl>()) {}

VideoScreen::~VideoScreen() { impl_->Release(); }

bool VideoScreen::Play(const std::string& path, int left, int top, int width, int height,
                       CanvasWindow* covered, std::string& error) {
  impl_->Release();
  Impl& d = *impl_;
  d.error.clear();
  d.surface.framesShown = 0;
  d.surface.covered = covered;
  d.decoder = LoadVideoDecoder(d.error);
  if (!d.decoder) {
    error = d.error.toStdString();
    return false;
  }

  const DesktopPlacement placement = LogicalPlacement(left, top, width, height);
  d.surface.setGeometry(placement.x, placement.y, placement.width, placement.height);
  d.surface.show();
  d.surface.setGeometry(placement.x, placement.y, placement.width, placement.height);
  d.surface.raise();
  d.surface.activateWindow();
  d.decoder->Play(
      QString::fromStdString(path),
      [&d](const QImage& picture) {
        d.surface.picture = picture;
        ++d.surface.framesShown;
        d.surface.update();
      },
      [&d](const QString& reason) { d.error = reason; });

  QElapsedTimer waited;
  waited.start();
  while (d.surface.framesShown == 0 && d.error.isEmpty()) {
    if (waited.elapsed() > kFirstPictureMilliseconds) {
      d.error = "No picture appeared.";
      break;
    }
    QCoreApplication::processEvents();
    QThread::msleep(5);
  }
  if (!d.error.isEmpty()) {
    error = d.error.toStdString();
    d.Release();
    return false;
  }
  QCoreApplication::processEvents();
  return true;
}

void VideoScreen::Stop() { impl_->Release(); }

int VideoScreen::FramesShown() const { return impl_->surface.framesShown; }

void VideoScreen::ActualGeometry(int& left, int& top, int& width, int& height) const {
  const QRect g = impl_->surface.geometry();
  const double ratio = impl_->surface.devicePixelRatioF();
  left = static_cast<int>(g.x() * ratio);
  top = static_cast<int>(g.y() * ratio);
  width = static_cast<int>(g.width() * ratio);
  height = static_cast<int>(g.height() * ratio);
}

bool VideoScreen::SaveShot(const std::string& pngPath) const {
  return impl_->surface.grab().save(QString::fromStdString(pngPath), "PNG");
}

}  // namespace lenvari
