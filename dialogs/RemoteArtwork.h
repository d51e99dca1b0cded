#pragma once
// The pictures of the handheld remote, drawn as vectors so they stay sharp at any display
// scaling: the remote's body with every key labelled, and the key images laid over it.

#include <QString>

#include "dialogs/Export.h"

class QPainter;
class QRectF;

namespace lenvari {

enum class RemoteImage {
  Body,         // 239 x 660, dark, the labels printed beside the keys
  OvalKey,      // 49 x 20
  MemoryKey,    // 35 x 18, the small oval of M1 .. M12
  RoundKey,     // 38 x 37
  UpKey,        // about 37 x 37, the shutter cross
  LeftKey,
  RightKey,
  DownKey,
  RockerUpper,  // 48 x 37, "+"
  RockerLower,  // 48 x 37, "-"
  RockerWhole,  // 48 x 76, both halves in one key
};

// An image's resource name without folder or type ("key-oval"), the same for the vectors and
// for the PNGs rendered from them.
QString RemoteImageName(RemoteImage image);

// The resource path of an image (":/remote/...svg", or ".png" where there is no SVG renderer).
LENVARI_DLL_EXPORT QString RemoteImagePath(RemoteImage image);

// Draws an image stretched onto `target`; nothing when the resource is missing.
LENVARI_DLL_EXPORT void PaintRemoteImage(QPainter& painter, RemoteImage image, const QRectF& target);

}  // namespace lenvari
