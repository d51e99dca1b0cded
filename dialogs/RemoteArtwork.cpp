#include "dialogs/RemoteArtwork.h"

#include <QPainter>
#include <QRectF>
#include <QSvgRenderer>

namespace lenvari {

QString RemoteImagePath(RemoteImage image) { return ":/remote/" + RemoteImageName(image) + ".svg"; }

void PaintRemoteImage(QPainter& painter, RemoteImage image, const QRectF& target) {
  // Rendered straight onto the painter, so a window on a scaled display draws the vectors at
  // its own device resolution instead of enlarging a small bitmap.
  QSvgRenderer renderer(RemoteImagePath(image));
  if (renderer.isValid()) renderer.render(&painter, target);
}

}  // namespace lenvari
