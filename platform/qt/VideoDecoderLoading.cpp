#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include "platform/qt/VideoDecoder.h"

namespace lenvari {

std::unique_ptr<VideoDecoder> LoadVideoDecoder(QString& error) {
  const QDir programFolder(QCoreApplication::applicationDirPath());
  // Beside the program in a build, in the program's private library folder when installed.
  const QStringList candidates = {
      programFolder.filePath("LenvariVideo"),
      programFolder.filePath(QStringLiteral(LENVARI_PRIVATE_LIBDIR_FROM_BIN "/LenvariVideo"))};
  QStringList reasons;
  for (const QString& candidate : candidates) {
    // The module stays loaded for the rest of the run: decoders made from it may be alive.
    QLibrary module(candidate);
    const auto make =
        reinterpret_cast<NewVideoDecoderFunction>(module.resolve(kNewVideoDecoderSymbol));
    if (make) return std::unique_ptr<VideoDecoder>(make());
    reasons << module.errorString();
  }
  error = "The video decoder could not be loaded: " + reasons.join("; ");
  return nullptr;
}

}  // namespace lenvari
