#include "platform/SampledStretch.h"

#include <QImage>

#include <algorithm>
#include <cmath>
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

QRect SampleImageInto(const QImage& in, QImage& out, const QRectF& target) {
  const QRectF box = target.normalized();
  const double left = box.left(), right = box.right();
  const double top = box.top(), bottom = box.bottom();
  if (right - left <= 0 || bottom - top <= 0 || in.isNull()) return {};
  const QImage converted =
      in.format() == QImage::Format_RGB32 || in.format() == QImage::Format_ARGB32
          ? QImage()
          : in.convertToFormat(QImage::Format_RGB32);
  const QImage& src = converted.isNull() ? in : converted;

  // Whole target pixels whose centres lie inside the rectangle.
  const int x0 = std::max(0, static_cast<int>(std::ceil(left - 0.5)));
  const int x1 = std::min(out.width(), static_cast<int>(std::ceil(right - 0.5)));
  const int y0 = std::max(0, static_cast<int>(std::ceil(top - 0.5)));
  const int y1 = std::min(out.height(), static_cast<int>(std::ceil(bottom - 0.5)));
  if (x1 <= x0 || y1 <= y0) return {};

  int sx = 1, sy = 1;
  const std::vector<int> columns =
      SamplePositions(src.width(), left, right - left, x0, x1 - x0, sx);
  const std::vector<int> rows = SamplePositions(src.height(), top, bottom - top, y0, y1 - y0, sy);
  const int count = sx * sy;
  std::vector<const QRgb*> lines(static_cast<size_t>(sy));

  for (int y = y0; y < y1; ++y) {
    for (int s = 0; s < sy; ++s)
      lines[s] = reinterpret_cast<const QRgb*>(src.constScanLine(rows[(y - y0) * sy + s]));
    QRgb* targetLine = reinterpret_cast<QRgb*>(out.scanLine(y));
    const int* column = columns.data();
    for (int x = x0; x < x1; ++x, column += sx) {
      unsigned red = 0, green = 0, blue = 0;
      for (int s = 0; s < sy; ++s) {
        const QRgb* line = lines[s];
        for (int c = 0; c < sx; ++c) {
          const QRgb p = line[column[c]];
          red += qRed(p);
          green += qGreen(p);
          blue += qBlue(p);
        }
      }
      const unsigned half = static_cast<unsigned>(count) / 2;
      targetLine[x] = qRgb(static_cast<int>((red + half) / count),
                            static_cast<int>((green + half) / count),
                            static_cast<int>((blue + half) / count));
    }
  }
  return QRect(x0, y0, x1 - x0, y1 - y0);
}

}  // namespace lenvari
