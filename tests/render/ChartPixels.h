#pragma once
// Rendering chart frames in tests and measuring their pixels.

#include <QColor>
#include <QDir>
#include <QImage>
#include <QRect>

#include <cmath>
#include <memory>
#include <string>

#include "platform/Canvas.h"
#include "render/DrawChart.h"
#include "render/OptotypeShapes.h"
#include "store/State.h"

namespace lenvari::testing {

inline const OptotypeShapes& Shapes() {
  static const OptotypeShapes shapes = LoadOptotypeShapes();
  return shapes;
}

// A canvas of the current monitor's pixel size with the chart scale, holding DrawChart's frame.
inline std::unique_ptr<Canvas> RenderFrame(State& state) {
  const int m = state.monitors.CurrentMonitor;
  auto canvas = std::make_unique<Canvas>(state.monitors.ScreenWidth[m], state.monitors.ScreenHeight[m]);
  SetChartScale(*canvas, state.monitors);
  DrawChart(state, Shapes(), *canvas);
  return canvas;
}

inline void SaveFrame(const Canvas& canvas, const std::string& name) {
  const QString folder = QStringLiteral(LENVARI_TEST_OUTPUT_DIR "/chart");
  QDir().mkpath(folder);
  canvas.Image().save(folder + "/" + QString::fromStdString(name) + ".png");
}

inline QColor PixelAt(const Canvas& canvas, int x, int y) { return QColor(canvas.Image().pixel(x, y)); }

inline QColor PixelAtUnits(const Canvas& canvas, double x, double y) {
  const PointF p = canvas.ToPixels({x, y});
  return PixelAt(canvas, static_cast<int>(p.x), static_cast<int>(p.y));
}

inline bool Is(const QColor& c, int r, int g, int b) {
  return c.red() == r && c.green() == g && c.blue() == b;
}

// How dark a pixel is against white, 0 .. 1 (for black letters on white): the share of
// white's light it lacks on an sRGB screen, which for a smoothed edge pixel is how much of it
// the letter covers.
inline double Darkness(const QImage& image, int x, int y) {
  const double v = qGray(image.pixel(x, y)) / 255.0;
  return 1 - (v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
}

// Pixels darker than mid-grey inside the rectangle.
inline int DarkPixels(const QImage& image, const QRect& area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) count += Darkness(image, x, y) > 0.5;
  }
  return count;
}

}  // namespace lenvari::testing
