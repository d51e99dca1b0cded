// The remote's pictures where no SVG renderer is built in: PNGs rendered from the same vectors
// at 1x, 1.5x and 2x, the sharpest one that is not smaller than the target in device pixels.

#include <QImage>
#include <QPainter>
#include <QRectF>

#include "dialogs/RemoteArtwork.h"

namespace lenvari {

QString RemoteImagePath(RemoteImage image) { return ":/remote/" + RemoteImageName(image) + ".png"; }

void PaintRemoteImage(QPainter& painter, RemoteImage image, const QRectF& target) {
  const QImage base(RemoteImagePath(image));
  if (base.isNull() || base.width() <= 0) return;
  const double devicePixels =
      target.width() * painter.transform().m11() * painter.device()->devicePixelRatioF();
  const double wanted = devicePixels / base.width();
  QImage chosen = base;
  if (wanted > 1.0) {
    const QString suffix = wanted > 1.5 ? "@2x" : "@1.5x";
    const QImage larger(":/remote/" + RemoteImageName(image) + suffix + ".png");
    if (!larger.isNull()) chosen = larger;
  }
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(target, chosen);
  painter.restore();
}

}  // namespace lenvari
