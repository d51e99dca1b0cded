#pragma once
// Rendering chart frames in tests and measuring their pixels.

#include <QColor>
#include <QImage>
#include <QRect>
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

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

inline QColor PixelAtUnits(const Canvas& canvas, double x, double y) {
  const PointF p = canvas.ToPixels({x, y});
  return QColor(canvas.Image().pixel(static_cast<int>(p.x), static_cast<int>(p.y)));
}

inline const QColor kRed(255, 0, 0), kGreen(0, 255, 0), kBlue(0, 0, 255), kInk(0, 0, 0),
    kPaper(255, 255, 255);

// A point in chart units and the colour the frame must have there.
struct ColourAt {
  double x, y;
  QColor colour;
};
inline void ExpectColours(const Canvas& canvas, std::initializer_list<ColourAt> points) {
  for (const ColourAt& p : points)
    EXPECT_EQ(PixelAtUnits(canvas, p.x, p.y).name(), p.colour.name()) << "at " << p.x << "," << p.y;
}

}  // namespace lenvari::testing
