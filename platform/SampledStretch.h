#pragma once
// A smooth reduction of one whole picture into a rectangle of another, for live thumbnails:
// each target pixel is the mean of a grid of up to 4 x 4 samples spread evenly over the source
// pixels it covers. Its cost follows the size of the target, not of the source, so a
// 4K frame shrinks to a thumbnail in well under a millisecond, while a letter stroke narrower
// than a target pixel still leaves a grey trace instead of vanishing between point samples.

#include <cstdint>

namespace lenvari {

// Pixels of 32 bits, 0xAARRGGBB, each row `stride` pixels after the one above.
struct SourcePixels {
  const std::uint32_t* pixels = nullptr;
  int width = 0, height = 0, stride = 0;
};
struct TargetPixels {
  std::uint32_t* pixels = nullptr;
  int width = 0, height = 0, stride = 0;
};

struct PixelBox {
  int left = 0, top = 0, width = 0, height = 0;
  bool Empty() const { return width <= 0 || height <= 0; }
};

// Fills the pixels of `destination` whose centres lie in the rectangle from (left, top) to
// (right, bottom) (destination pixels) from the whole of `source`, opaque; the part outside the
// image is skipped. Returns the pixels written.
PixelBox SamplePixelsInto(const SourcePixels& source, const TargetPixels& destination,
                          double left, double top, double right, double bottom);

}  // namespace lenvari
