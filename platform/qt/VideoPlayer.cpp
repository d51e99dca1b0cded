#include "platform/qt/VideoPlayer.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QMediaPlayer>
#include <QPainter>
#include <QThread>
#include <QUrl>
#include <QVideoFrame>
#include <QVideoSink>
#include <QWidget>

#include <algorithm>

#include "platform/qt/CanvasWindow.h"
#include "platform/DesktopPixels.h"
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
    key.qtKey = event->key();
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
  std::unique_ptr<QMediaPlayer> player;
  std::unique_ptr<QVideoSink> sink;
  std::unique_ptr<QAudioOutput> audio;
  QString error;

  void Release() {
    if (player) player->stop();
    player.reset();
    audio.reset();
    sink.reset();
    surface.hide();
    surface.picture = QImage();
  }
};

VideoScreen::VideoScreen() : impl_(std::make_unique<Impl>()) {}

VideoScreen::~VideoScreen() { impl_->Release(); }

bool VideoScreen::Play(const std::string& path, int left, int top, int width, int height,
                       CanvasWindow* covered, std::string& error) {
  impl_->Release();
  // The decoder built on the system's libav libraries plays the common formats without
  // further packages; a backend chosen in the environment is left as chosen.
  if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "ffmpeg");
  Impl& d = *impl_;
  d.error.clear();
  d.surface.framesShown = 0;
  d.surface.covered = covered;
  d.sink = std::make_unique<QVideoSink>();
  d.player = std::make_unique<QMediaPlayer>();
  d.audio = std::make_unique<QAudioOutput>();
  d.player->setAudioOutput(d.audio.get());
  d.player->setVideoSink(d.sink.get());
  d.player->setLoops(QMediaPlayer::Infinite);
  QObject::connect(d.sink.get(), &QVideoSink::videoFrameChanged, &d.surface,
                   [&d](const QVideoFrame& frame) {
                     const QImage image = frame.toImage();
                     if (image.isNull()) return;
                     d.surface.picture = image;
                     ++d.surface.framesShown;
                     d.surface.update();
                   });
  QObject::connect(d.player.get(), &QMediaPlayer::errorOccurred, &d.surface,
                   [&d](QMediaPlayer::Error, const QString& text) {
                     d.error = text.isEmpty() ? QString("The file cannot be decoded.") : text;
                   });
  QObject::connect(d.player.get(), &QMediaPlayer::mediaStatusChanged, &d.surface,
                   [&d](QMediaPlayer::MediaStatus status) {
                     if (status == QMediaPlayer::InvalidMedia && d.error.isEmpty())
                       d.error = "The file is not a video this program can play.";
                   });

  const DesktopPlacement placement = LogicalPlacement(left, top, width, height);
  d.surface.setGeometry(placement.x, placement.y, placement.width, placement.height);
  d.surface.show();
  d.surface.setGeometry(placement.x, placement.y, placement.width, placement.height);
  d.surface.raise();
  d.surface.activateWindow();
  d.player->setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
  d.player->play();

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
