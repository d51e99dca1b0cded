#include "dialogs/RemoteArtwork.h"

#include <QPainter>
#include <QRectF>
#include <QSvgRenderer>

namespace lenvari {

QString RemoteImagePath(RemoteImage image) {
  switch (image) {
    case RemoteImage::Body: return ":/remote/remote.svg";
    case RemoteImage::OvalKey: return ":/remote/key-oval.svg";
    case RemoteImage::MemoryKey: return ":/remote/key-memory.svg";
    case RemoteImage::RoundKey: return ":/remote/key-round.svg";
    case RemoteImage::UpKey: return ":/remote/key-up.svg";
    case RemoteImage::LeftKey: return ":/remote/key-left.svg";
    case RemoteImage::RightKey: return ":/remote/key-right.svg";
    case RemoteImage::DownKey: return ":/remote/key-down.svg";
    case RemoteImage::RockerUpper: return ":/remote/rocker-upper.svg";
    case RemoteImage::RockerLower: return ":/remote/rocker-lower.svg";
    case RemoteImage::RockerWhole: return ":/remote/rocker-whole.svg";
  }
  return {};
}

void PaintRemoteImage(QPainter& painter, RemoteImage image, const QRectF& target) {
  // Rendered straight onto the painter, so a window on a scaled display draws the vectors at
  // its own device resolution instead of enlarging a small bitmap.
  QSvgRenderer renderer(RemoteImagePath(image));
  if (renderer.isValid()) renderer.render(&painter, target);
}

}  // namespace lenvari
