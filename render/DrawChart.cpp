#include "render/DrawChart.h"

#include <algorithm>

#include "common/NumberText.h"
#include "render/ChartColours.h"
#include "render/ClockDial.h"
#include "render/ContrastReadout.h"
#include "render/FixationDisparity.h"
#include "render/JacksonCross.h"
#include "render/LetterChart.h"
#include "render/LetterChartLayout.h"
#include "render/ShowImage.h"
#include "render/SizeLabels.h"
#include "render/TargetShapes.h"
#include "render/StrongLight.h"
#include "render/WorthDot.h"
#include "store/State.h"

namespace lenvari {
namespace {

int CurrentMonitorIndex(const Monitors& monitors) {
  return std::clamp(monitors.CurrentMonitor, 1, kMaxMonitors);
}

// Size clamp and optotype colour, the part of every frame that comes before the drawing.
Colour PrepareFrame(State& state) {
  ChartState& chart = state.chart;
  const int f = SafeFileIndex(chart.LetterSetFileNum);
  chart.SizeNow = std::clamp(chart.SizeNow, 0, std::max(0, state.letters.NumSizes[f]));
  return ForegroundColorOf(chart.Foreground);
}

void DrawImageMode(const State& state, Canvas& canvas) {
  FillWholeCanvas(canvas, kBlack);
  const double halfWidth = state.monitors.ChartWidth / 2.0;
  const double halfHeight = state.monitors.ChartHeight / 2.0;
  const int x = static_cast<int>(RoundHalfEven(halfWidth));
  const int y = static_cast<int>(RoundHalfEven(halfHeight));
  ShowImage(state, canvas, "lvimg" + std::to_string(state.chart.ImageNum), -x, -y, x, y);
}

// Every branch covers the whole canvas itself, so no separate clear is needed before it.
void DrawFrameContent(State& state, const OptotypeShapes& shapes, Canvas& canvas,
                      Colour foregroundColor) {
  const ChartMode mode = state.chart.Mode;
  if (mode == ChartMode::JacksonCross) {
    DrawJacksonCross(state, canvas, foregroundColor);
  } else if (mode == ChartMode::WorthDot) {
    DrawWorthDot(state, canvas);
  } else if (mode == ChartMode::AstigmaticClockDial) {
    DrawClockDial(state, shapes, canvas, foregroundColor);
  } else if (mode == ChartMode::StrongLight) {
    DrawStrongLight(state, canvas);
  } else if (mode == ChartMode::Disparity) {
    DrawFixationDisparity(state, canvas);
  } else if (mode == ChartMode::Image) {
    DrawImageMode(state, canvas);
  } else {
    DrawLetterChart(state, shapes, canvas, foregroundColor);
  }
}

}  // namespace

int ChartScaleX(const Monitors& monitors, int m) {
  return monitors.MasterScaleX[m] < 1 ? kUncalibratedScale : monitors.MasterScaleX[m];
}

int ChartScaleY(const Monitors& monitors, int m) {
  return monitors.MasterScaleY[m] < 1 ? kUncalibratedScale : monitors.MasterScaleY[m];
}

void SetChartExtent(Monitors& monitors) {
  const int m = CurrentMonitorIndex(monitors);
  const double scaleX = ChartScaleX(monitors, m);
  const double scaleY = ChartScaleY(monitors, m);
  monitors.ChartWidth = static_cast<int>(RoundHalfEven(monitors.ScreenWidth[m] * 1000.0 / scaleX));
  monitors.ChartHeight = static_cast<int>(RoundHalfEven(monitors.ScreenHeight[m] * 1000.0 / scaleY));
}

void SetChartScale(Canvas& canvas, const Monitors& monitors) {
  const int m = CurrentMonitorIndex(monitors);
  const double scaleX = ChartScaleX(monitors, m);
  const double scaleY = ChartScaleY(monitors, m);
  const double halfWidth = 500.0 * monitors.ScreenWidth[m] / scaleX;
  const double halfHeight = 500.0 * monitors.ScreenHeight[m] / scaleY;
  canvas.SetScale(-halfWidth, -halfHeight, halfWidth, halfHeight);
}

void DrawChart(State& state, const OptotypeShapes& shapes, Canvas& canvas) {
  const Colour foregroundColor = PrepareFrame(state);
  canvas.SetAntialias(state.settings.SmoothingFlag == 1);
  canvas.SetTransferGamma(state.display.DisplayGamma);
  canvas.SetInkLight(foregroundColor, ForegroundLight(state.chart.Foreground, state.display));
  DrawFrameContent(state, shapes, canvas, foregroundColor);
  if (!IsSpecialTargetMode(state.chart.Mode)) DrawSizeLabels(state, shapes, canvas);
}

void DrawChartForThumbnail(State& state, const OptotypeShapes& shapes, Canvas& canvas) {
  DrawFrameContent(state, shapes, canvas, PrepareFrame(state));
}

}  // namespace lenvari
