#include "platform/SampledStretch.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>
#include <vector>

namespace lenvari {
namespace {

constexpr int kMaxSamples = 4;

// Source pixel columns (or rows) sampled for each target column (or row), `samples` per target
// pixel, spread evenly over the part of the source it covers.
std::vector<int> SamplePositions(int sourceSize, double targetStart, double targetSize, int first,
                                 int count, int& samples) {
  const double footprint = sourceSize / targetSize;
  samples = std::clamp(static_cast<int>(std::ceil(footprint)), 1, kMaxSamples);
  std::vector<int> positions;
  positions.reserve(static_cast<size_t>(count) * samples);
  for (int i = 0; i < count; ++i) {
    const double start = (first + i - targetStart) * footprint;
    for (int s = 0; s < samples; ++s) {
      const double at = start + (s + 0.5) * footprint / samples;
      positions.push_back(std::clamp(static_cast<int>(std::floor(at)), 0, sourceSize - 1));
    }
  }
  return positions;
}

}  // namespace

PixelBox SamplePixelsInto(const SourcePixels& source, const TargetPixels& destination,
                          double left, double top, double right, double bottom) {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  if (right - left <= 0 || bottom - top <= 0 || !source.pixels || source.width <= 0 ||
      source.height <= 0)
    return {};

  // Whole target pixels whose centres lie inside the rectangle.
  const int x0 = std::max(0, static_cast<int>(std::ceil(left - 0.5)));
  const int x1 = std::min(destination.width, static_cast<int>(std::ceil(right - 0.5)));
  const int y0 = std::max(0, static_cast<int>(std::ceil(top - 0.5)));
  const int y1 = std::min(destination.height, static_cast<int>(std::ceil(bottom - 0.5)));
  if (x1 <= x0 || y1 <= y0) return {};

  int sx = 1, sy = 1;
  const std::vector<int> columns =
      SamplePositions(source.width, left, right - left, x0, x1 - x0, sx);
  const std::vector<int> rows = SamplePositions(source.height, top, bottom - top, y0, y1 - y0, sy);
  const int count = sx * sy;
  std::vector<const std::uint32_t*> lines(static_cast<size_t>(sy));

  for (int y = y0; y < y1; ++y) {
    for (int s = 0; s < sy; ++s) {
      const std::ptrdiff_t row = rows[(y - y0) * sy + s];
      lines[s] = source.pixels + row * source.stride;
    }
    std::uint32_t* targetLine =
        destination.pixels + static_cast<std::ptrdiff_t>(y) * destination.stride;
    const int* column = columns.data();
    for (int x = x0; x < x1; ++x, column += sx) {
      unsigned red = 0, green = 0, blue = 0;
      for (int s = 0; s < sy; ++s) {
        const std::uint32_t* line = lines[s];
        for (int c = 0; c < sx; ++c) {
          const std::uint32_t p = line[column[c]];
          red += (p >> 16) & 0xff;
          green += (p >> 8) & 0xff;
          blue += p & 0xff;
        }
      }
      const unsigned half = static_cast<unsigned>(count) / 2;
      targetLine[x] = 0xff000000u | ((red + half) / count) << 16 | ((green + half) / count) << 8 |
                      (blue + half) / count;
    }
  }
  return {x0, y0, x1 - x0, y1 - y0};
}

}  // namespace lenvari
