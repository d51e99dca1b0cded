#pragma once
// The video decoder lives in a module of its own (LenvariVideo), loaded at the first video:
// the media libraries it needs take longer to load than everything else the program starts
// with, and a chart is wanted on the screen at once.

#include <QImage>
#include <QString>

#include <functional>
#include <memory>

namespace lenvari {

class VideoDecoder {
 public:
  virtual ~VideoDecoder() = default;
  // Plays `path` over and over from now on, sound included: each decoded picture is handed to
  // `picture`, the reason it cannot be played to `failed` (the decoder's own words may follow
  // a first, general reason).
  virtual void Play(const QString& path, std::function<void(const QImage&)> picture,
                    std::function<void(const QString&)> failed) = 0;
};

// The module's one export: a new decoder, owned by the caller.
using NewVideoDecoderFunction = VideoDecoder* (*)();
inline constexpr char kNewVideoDecoderSymbol[] = "LenvariNewVideoDecoder";

// Loads the module (beside the program, or in the program's private library folder when
// installed) and makes a decoder; null with `error` set when the module cannot be loaded.
std::unique_ptr<VideoDecoder> LoadVideoDecoder(QString& error);

}  // namespace lenvari
