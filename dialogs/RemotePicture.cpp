#include "dialogs/RemotePicture.h"

#include <QPainter>

#include "dialogs/RemoteArtwork.h"
#include "dialogs/RemoteKeys.h"

namespace lenvari {

void RemotePicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  PaintRemoteImage(painter, RemoteImage::Body,
                   QRectF(0, 0, kRemotePictureWidth * scale_, kRemotePictureHeight * scale_));
}

}  // namespace lenvari
