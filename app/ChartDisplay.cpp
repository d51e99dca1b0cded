#include "app/ChartDisplay.h"

#include <cstdlib>

#include "app/FrameOutput.h"
#include "common/NumberText.h"
#include "render/DrawChart.h"

namespace lenvari {
namespace {

constexpr int kUncalibratedScale = 343;

}  // namespace

int ChartScaleX(const Monitors& monitors, int m) {
  return monitors.MasterScaleX[m] < 1 ? kUncalibratedScale : monitors.MasterScaleX[m];
}

int ChartScaleY(const Monitors& monitors, int m) {
  return monitors.MasterScaleY[m] < 1 ? kUncalibratedScale : monitors.MasterScaleY[m];
}

void ApplyChartScale(Monitors& monitors, Canvas& canvas) {
  const int m = monitors.CurrentMonitor;
  const double sx = ChartScaleX(monitors, m);
  const double sy = ChartScaleY(monitors, m);
  const double w = monitors.ScreenWidth[m];
  const double h = monitors.ScreenHeight[m];
  canvas.SetScale(-500.0 * w / sx, -500.0 * h / sy, 500.0 * w / sx, 500.0 * h / sy);
  monitors.ChartHeight = static_cast<int>(RoundHalfEven(h * 1000.0 / sy));
  monitors.ChartWidth = static_cast<int>(RoundHalfEven(w * 1000.0 / sx));
}

void CloseChartWindow(ProgramContext& context) {
  if (context.chartWindow) context.chartWindow->Close();
  context.chartWindow.reset();
}

void OpenChartWindow(ProgramContext& context) {
  CloseChartWindow(context);
  Monitors& monitors = context.state.monitors;
  const int m = monitors.CurrentMonitor;
  const auto& rect = monitors.MonitorRect[m];
  const int width = std::max(1, monitors.ScreenWidth[m]);
  const int height = std::max(1, monitors.ScreenHeight[m]);
  context.chartWindow = std::make_unique<CanvasWindow>("", rect[1], rect[2], width, height, true);
  context.chartCanvas = std::make_unique<Canvas>(width, height);
  context.chartCanvas->SetAntialias(context.state.settings.SmoothingFlag == 1);
  ApplyChartScale(monitors, *context.chartCanvas);
  context.chartWindow->Show();
  context.console.MoveTo(1, monitors.ChartHeight + 1);
}

void PresentChart(ProgramContext& context) {
  if (!context.chartWindow || !context.chartCanvas) return;
  context.chartWindow->Present(*context.chartCanvas);
  if (!context.options.framesDir.empty())
    WriteFrame(context, *context.chartCanvas, context.chartWindow.get());
}

}  // namespace lenvari

namespace lenvari {

void DrawChartFrame(ProgramContext& context) {
  if (!context.chartCanvas) return;
  context.chartCanvas->SetAntialias(context.state.settings.SmoothingFlag == 1);
  DrawChart(context.state, context.shapes, *context.chartCanvas);
  PresentChart(context);
}

}  // namespace lenvari
