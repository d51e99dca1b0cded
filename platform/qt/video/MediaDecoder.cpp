// The video decoder module: the system's media framework behind the VideoDecoder interface.

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>
#include <QVideoFrame>
#include <QVideoSink>

#include "platform/qt/VideoDecoder.h"

namespace lenvari {
namespace {

class MediaDecoder : public VideoDecoder {
 public:
  void Play(const QString& path, std::function<void(const QImage&)> picture,
            std::function<void(const QString&)> failed) override {
    picture_ = std::move(picture);
    failed_ = std::move(failed);
    player_.setAudioOutput(&audio_);
    player_.setVideoSink(&sink_);
    player_.setLoops(QMediaPlayer::Infinite);
    QObject::connect(&sink_, &QVideoSink::videoFrameChanged, &sink_,
                     [this](const QVideoFrame& frame) {
                       const QImage image = frame.toImage();
                       if (!image.isNull()) picture_(image);
                     });
    QObject::connect(&player_, &QMediaPlayer::errorOccurred, &player_,
                     [this](QMediaPlayer::Error, const QString& text) {
                       // The decoder's own words say more than the status below.
                       reported_ = true;
                       failed_(text.isEmpty() ? QString("The file cannot be decoded.") : text);
                     });
    QObject::connect(&player_, &QMediaPlayer::mediaStatusChanged, &player_,
                     [this](QMediaPlayer::MediaStatus status) {
                       if (status == QMediaPlayer::InvalidMedia && !reported_) {
                         reported_ = true;
                         failed_("The file is not a video this program can play.");
                       }
                     });
    player_.setSource(QUrl::fromLocalFile(path));
    player_.play();
  }

  ~MediaDecoder() override { player_.stop(); }

 private:
  // The sink and the sound outlive the player that feeds them.
  QVideoSink sink_;
  QAudioOutput audio_;
  QMediaPlayer player_;
  std::function<void(const QImage&)> picture_;
  std::function<void(const QString&)> failed_;
  bool reported_ = false;
};

}  // namespace
}  // namespace lenvari

extern "C" Q_DECL_EXPORT lenvari::VideoDecoder* LenvariNewVideoDecoder() {
  // The decoder built on the system's libav libraries plays the common formats without further
  // packages; a backend chosen in the environment is left as chosen. The backend is chosen when
  // the first media object is made, so this comes first.
  if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "ffmpeg");
  return new lenvari::MediaDecoder;
}
