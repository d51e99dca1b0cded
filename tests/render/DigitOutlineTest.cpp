// The digits are also the size labels' and the clock dial's numbers, so a seam where two strokes
// of a digit join, or a pinhole, shows on every chart. Each digit is rendered alone and compared
// with its ideal shape: the outline sampled finely and closed over gaps narrower than half a pixel
// (a joint that does not quite meet is a flaw, not a feature of the design).

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "platform/qtgui/Canvas.h"
#include "render/ChartPixels.h"
#include "render/Optotype.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

constexpr double kUnitsPerPixel = 2.5;  // 400 pixels per 1000 chart units
constexpr int kFine = 4;                // samples of the ideal shape per pixel, each way
constexpr int kGrow = 1;                // closing over gaps up to half a pixel wide (samples)
constexpr int kMargin = kFine;          // a pixel to spare on every side (samples)

// Samples on a grid, with window sums in constant time.
struct Samples {
  int width, height;
  std::vector<int> sums;  // (width + 1) x (height + 1) prefix sums

  Samples(int w, int h, const std::vector<char>& on)
      : width(w), height(h), sums((w + 1) * (h + 1)) {
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x)
        At(x + 1, y + 1) = on[y * w + x] + At(x, y + 1) + At(x + 1, y) - At(x, y);
    }
  }
  int& At(int x, int y) { return sums[y * (width + 1) + x]; }
  int At(int x, int y) const { return sums[y * (width + 1) + x]; }
  // Samples set in the window x0..x1, y0..y1, clipped to the grid.
  int Count(int x0, int y0, int x1, int y1) const {
    x0 = std::max(x0, 0), y0 = std::max(y0, 0);
    x1 = std::min(x1, width - 1), y1 = std::min(y1, height - 1);
    if (x0 > x1 || y0 > y1) return 0;
    return At(x1 + 1, y1 + 1) - At(x0, y1 + 1) - At(x1 + 1, y0) + At(x0, y0);
  }
};

// The outline's non-zero inside, sampled at the centres of a w x h grid of fine cells.
std::vector<char> SampleInside(const std::vector<PointF>& points, int w, int h) {
  std::vector<char> on(static_cast<size_t>(w * h), 0);
  std::vector<std::pair<double, int>> crossings;
  for (int row = 0; row < h; ++row) {
    const double y = (row + 0.5) / kFine;
    crossings.clear();
    for (size_t i = 0; i < points.size(); ++i) {
      const PointF& p = points[i];
      const PointF& q = points[(i + 1) % points.size()];
      if ((p.y <= y) == (q.y <= y)) continue;
      crossings.push_back({p.x + (y - p.y) * (q.x - p.x) / (q.y - p.y), q.y > p.y ? 1 : -1});
    }
    std::sort(crossings.begin(), crossings.end());
    int winding = 0;
    for (size_t i = 0; i + 1 < crossings.size(); ++i) {
      winding += crossings[i].second;
      if (winding == 0) continue;
      const int from = std::max(0, static_cast<int>(crossings[i].first * kFine + 0.5));
      const int to = std::min(w, static_cast<int>(crossings[i + 1].first * kFine + 0.5));
      for (int x = from; x < to; ++x) on[static_cast<size_t>(row * w + x)] = 1;
    }
  }
  return on;
}

struct DigitFrame {
  QImage image;
  std::vector<PointF> outline;  // in pixels
};

DigitFrame RenderDigit(const std::string& key, double size, bool smooth) {
  const double half = 5 * size * 0.6;
  const int pixels = static_cast<int>(2 * half / kUnitsPerPixel + 0.5);
  Canvas canvas(pixels, pixels);
  canvas.SetScale(-half, -half, half, half);
  canvas.SetAntialias(smooth);
  canvas.Clear(kWhite);
  // Off the pixel grid, as a label or a dial number usually is.
  const double cx = 0.37 * kUnitsPerPixel, cy = 0.61 * kUnitsPerPixel;
  std::string drawn = key;
  int lastDirection = 0;
  std::mt19937 random(1);
  DrawOptotype(canvas, testing::Shapes(), drawn, kBlack, cx, cy, size, 1, ChartMode::Other, lastDirection,
               random);
  DigitFrame frame{canvas.Image().copy(), {}};
  const GlyphKey* entry = testing::Shapes().FindKey(key);
  const GlyphRecord& record = testing::Shapes().records[static_cast<size_t>(entry->record)];
  for (const GlyphPoint& g : record.parts.front())
    frame.outline.push_back(canvas.ToPixels({cx + size / 200 * g.x, cy + size / 200 * g.y}));
  return frame;
}

// Pixels that the ideal shape covers with at least a pixel to spare on every side but that are
// not exactly the ink colour. The ideal shape is the outline closed over gaps narrower than half
// a pixel: a sample counts as inside when the outline reaches within `kGrow` samples of it.
int PaleInsidePixels(const DigitFrame& frame) {
  const int w = frame.image.width() * kFine, h = frame.image.height() * kFine;
  const Samples drawn(w, h, SampleInside(frame.outline, w, h));
  auto closed = [&](int x, int y) {
    return drawn.Count(x - kGrow, y - kGrow, x + kGrow, y + kGrow) > 0;
  };
  const int side = kFine + 2 * kMargin;  // the samples of a pixel and its margin, each way
  int pale = 0;
  for (int py = 0; py < frame.image.height(); ++py) {
    for (int px = 0; px < frame.image.width(); ++px) {
      if ((frame.image.pixel(px, py) & 0xffffffu) == 0) continue;
      const int x0 = px * kFine - kMargin, y0 = py * kFine - kMargin;
      bool wellInside = x0 >= 0 && y0 >= 0 && x0 + side <= w && y0 + side <= h;
      for (int i = 0; i < side * side && wellInside; ++i)
        wellInside = closed(x0 + i % side, y0 + i / side);
      pale += wellInside;
    }
  }
  return pale;
}

// Groups of 8-connected pixels darker than mid-grey.
int InkComponents(const QImage& image) {
  const int w = image.width(), h = image.height();
  std::vector<char> seen(w * h, 0);
  const auto dark = [&](int x, int y) {
    return image.rect().contains(x, y) && qGray(image.pixel(x, y)) < 128;
  };
  int components = 0;
  for (int start = 0; start < w * h; ++start) {
    if (seen[start] || !dark(start % w, start / w)) continue;
    ++components;
    std::vector<int> stack{start};
    seen[start] = 1;
    while (!stack.empty()) {
      const int at = stack.back();
      stack.pop_back();
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          const int nx = at % w + dx, ny = at / w + dy;
          if (!dark(nx, ny) || seen[ny * w + nx]) continue;
          seen[ny * w + nx] = 1;
          stack.push_back(ny * w + nx);
        }
      }
    }
  }
  return components;
}

TEST(DigitOutlineTest, EveryDigitIsOneSolidShapeWithoutSeamsOrPinholes) {
  for (const char* key : {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}) {
    for (double size : {200.0, 10.0}) {
      for (bool smooth : {true, false}) {
        const DigitFrame frame = RenderDigit(key, size, smooth);
        EXPECT_EQ(Tie(PaleInsidePixels(frame), InkComponents(frame.image)), Tie(0, 1))
            << key << " at 20/" << size << (smooth ? " smoothed" : " aliased");
      }
    }
  }
}

}  // namespace
}  // namespace lenvari
