#pragma once
// One complete frame of the patient display, drawn from the chart state.

#include "platform/qtgui/Canvas.h"

namespace lenvari {

struct State;
struct Monitors;
struct OptotypeShapes;

// The scale a chart uses for monitor m: its calibration, or 343 (the calibration's own starting
// value) while a scale is still below 1, so an uncalibrated first start can open the chart
// without dividing by zero. Nothing is stored.
constexpr int kUncalibratedScale = 343;
int ChartScaleX(const Monitors& monitors, int m);
int ChartScaleY(const Monitors& monitors, int m);

// `ChartWidth` and `ChartHeight` of the current monitor: its pixel size in chart units
// (1000 units = MasterScale pixels), rounded to the nearest, ties to even.
void SetChartExtent(Monitors& monitors);

// Gives the canvas the chart units of the current monitor: origin at the centre, y downwards,
// 1000 units = MasterScaleX / MasterScaleY pixels of that monitor.
void SetChartScale(Canvas& canvas, const Monitors& monitors);

// Draws the frame the state asks for onto the canvas (which carries the chart scale): the
// letter chart with its size labels and status line, a special target, or an image. Leaves
// `RowsShown` and `MonitorText` for the monitor window and clamps the chart state to what fit.
// The caller presents the canvas afterwards.
void DrawChart(State& state, const OptotypeShapes& shapes, Canvas& canvas);

// The reduced frame of a gallery thumbnail: the same picture without clearing, size labels or
// status line, on a canvas whose unit window the caller has set.
void DrawChartForThumbnail(State& state, const OptotypeShapes& shapes, Canvas& canvas);

}  // namespace lenvari
