#pragma once
// Rendering chart frames in tests and measuring their pixels.

#include <QColor>
#include <QImage>
#include <QRect>

#include <memory>
#include <string>

#include "platform/qtgui/Canvas.h"
#include "render/DrawChart.h"
#include "render/OptotypeShapes.h"
#include "store/State.h"
#include "support/Pixels.h"

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

inline QColor PixelAt(const Canvas& canvas, int x, int y) { return QColor(canvas.Image().pixel(x, y)); }

inline QColor PixelAtUnits(const Canvas& canvas, double x, double y) {
  const PointF p = canvas.ToPixels({x, y});
  return PixelAt(canvas, static_cast<int>(p.x), static_cast<int>(p.y));
}

inline bool Is(const QColor& c, int r, int g, int b) {
  return c.red() == r && c.green() == g && c.blue() == b;
}

}  // namespace lenvari::testing
