#include "app/loop/ChartDisplay.h"

#include <cstdlib>

#include "app/examiner/ControlWindow.h"
#include "app/loop/FrameOutput.h"
#include "app/commands/MonitorWindowCommand.h"
#include "app/examiner/PhoneRemote.h"
#include "app/examiner/WindowPlacement.h"
#include "common/NumberText.h"
#include "platform/qtgui/DesktopPixels.h"
#include "render/DrawChart.h"

namespace lenvari {
void ApplyChartScale(Monitors& monitors, Canvas& canvas) {
  SetChartScale(canvas, monitors);
  SetChartExtent(monitors);
}

void CloseChartWindow(ProgramContext& context) {
  if (context.chartWindow) context.chartWindow->Close();
  context.chartWindow.reset();
}

void OpenChartWindow(ProgramContext& context) {
  CloseChartWindow(context);
  // From the first chart on, a monitor switched off is noticed (see WatchMonitors).
  if (!context.hotPlug.changes) context.hotPlug.changes = std::make_unique<MonitorChanges>();
  Monitors& monitors = context.state.monitors;
  const int m = monitors.CurrentMonitor;
  const auto& rect = monitors.MonitorRect[m];
  const int width = std::max(1, monitors.ScreenWidth[m]);
  const int height = std::max(1, monitors.ScreenHeight[m]);
  context.chartWindow = std::make_unique<CanvasWindow>("", rect[1], rect[2], width, height, true);
  context.chartWindow->SetFullScreen(true);
  context.chartCanvas = std::make_unique<Canvas>(width, height);
  ApplyChartScale(monitors, *context.chartCanvas);
  // With the patient monitor switched off the window waits, hidden, for it to come back: shown
  // now, the window system would put it on the examiner's monitor.
  if (!context.hotPlug.patientMonitorGone) {
    context.hotPlug.patientMonitorName = MonitorNameAt(rect[1], rect[2]);
    context.chartWindow->Show();
  }
  KeepWindowsOffChart(context);
}

std::string MonitorNameAt(int left, int top) {
  for (const DesktopMonitor& m : EnumDisplayMonitors())
    if (m.left == left && m.top == top) return m.name;
  return "";
}

void PresentChart(ProgramContext& context) {
  if (!context.chartWindow || !context.chartCanvas) return;
  context.chartWindow->Present(*context.chartCanvas);
  if (!context.options.framesDir.empty())
    WriteFrame(context, *context.chartCanvas, context.chartWindow.get());
  if (context.state.settings.MonitorWindowFlag == 1) UpdateMonitorWindow(context);
  PublishAnswerKey(context);
}

}  // namespace lenvari

namespace lenvari {

void DrawChartFrame(ProgramContext& context) {
  if (!context.chartCanvas) return;
  DrawChart(context.state, context.shapes, *context.chartCanvas);
  PresentChart(context);
}

}  // namespace lenvari
