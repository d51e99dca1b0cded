#pragma once
// Decoding the examiner's pictures for the image slots: any size a camera makes, reduced while
// decoding to what a display can show.

#include <string>

#include "platform/qtgui/Bitmap.h"

namespace lenvari {

// Reads the picture at `path` (JPG, PNG, BMP, GIF, TIF), turned upright as its orientation tag
// says, and no larger than maxWidth x maxHeight: a larger one is reduced with its proportions
// kept (a JPEG while it is decoded, so a 48-megapixel photo never needs its full size in
// memory). An empty bitmap when it cannot be read, with `reason` telling why ("unsupported
// image format", "file is truncated", ...).
Bitmap DecodePictureFitted(const std::string& path, int maxWidth, int maxHeight,
                           std::string* reason = nullptr);

}  // namespace lenvari
