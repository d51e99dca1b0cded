#pragma once
// Renders one glyph into an aliased image at 0.4 pixels per chart unit (MasterScaleY 400) and
// measures it in pixels.

#include <QImage>

#include <memory>
#include <random>
#include <string>

#include "render/ChartPixels.h"
#include "render/Optotype.h"
#include "support/Pixels.h"

namespace lenvari::testing {

struct GlyphImage {
  QImage image;
  double unitsPerPixel = 2.5;
  double half = 0;  // the window runs from -half to +half units on both axes

  bool Black(int px, int py) const {
    if (px < 0 || py < 0 || px >= image.width() || py >= image.height()) return false;
    return qGray(image.pixel(px, py)) < 128;
  }
  // The pixel whose centre is nearest to the point in chart units.
  bool BlackAt(double x, double y) const {
    return Black(static_cast<int>((x + half) / unitsPerPixel),
                 static_cast<int>((y + half) / unitsPerPixel));
  }
  int Column(double x) const { return static_cast<int>((x + half) / unitsPerPixel); }
  int Row(double y) const { return static_cast<int>((y + half) / unitsPerPixel); }

  // The bounding box of the black pixels, and their number.
  QRect Ink() const { return BlackInk(image); }
  int InkCount() const { return CountColour(image, Qt::black, 127); }
  // Length of the run of pixels of one colour through (px, py) along a row or a column.
  int RunLength(int px, int py, bool alongRow) const {
    const bool colour = Black(px, py);
    int length = 1;
    for (int step : {-1, 1}) {
      for (int i = 1;; ++i) {
        const int x = alongRow ? px + step * i : px, y = alongRow ? py : py + step * i;
        if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) break;
        if (Black(x, y) != colour) break;
        ++length;
      }
    }
    return length;
  }
};

// Draws `key` centred at the origin of a square window of `halfUnits` each way.
inline GlyphImage RenderGlyph(std::string& key, double size, int mirror = 1,
                              ChartMode mode = ChartMode::Other, int* lastDirection = nullptr,
                              std::mt19937* random = nullptr, double halfUnits = 0) {
  GlyphImage result;
  result.half = halfUnits > 0 ? halfUnits : 5 * size * 1.5;
  const int pixels = static_cast<int>(2 * result.half / result.unitsPerPixel + 0.5);
  Canvas canvas(pixels, pixels);
  canvas.SetScale(-result.half, -result.half, result.half, result.half);
  canvas.SetAntialias(false);
  canvas.Clear(kWhite);
  int ownDirection = 0;
  std::mt19937 ownRandom(7);
  DrawOptotype(canvas, Shapes(), key, kBlack, 0, 0, size, mirror, mode,
               lastDirection ? *lastDirection : ownDirection, random ? *random : ownRandom);
  result.image = canvas.Image().copy();
  return result;
}

inline GlyphImage RenderGlyph(const std::string& key, double size, int mirror = 1) {
  std::string copy = key;
  return RenderGlyph(copy, size, mirror);
}

}  // namespace lenvari::testing
