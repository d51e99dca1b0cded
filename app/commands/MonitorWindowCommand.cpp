#include "app/commands/MonitorWindowCommand.h"

#include <algorithm>

#include "app/loop/FrameOutput.h"
#include "app/examiner/WindowPlacement.h"
#include "monitorwindow/MonitorWindowDrawing.h"
#include "monitorwindow/MonitorWindowLayout.h"
#include "monitorwindow/MonitorWindowText.h"
#include "store/SettingsFiles.h"

namespace lenvari {
namespace {

constexpr const char* kMonitorWindowTitle = "Lenvari Monitor Display";
constexpr int kMinimisedPosition = -32000;

int MonitorIndex(const ProgramContext& context) {
  return std::clamp(context.state.monitors.CurrentMonitor, 1, kMaxMonitors);
}

double SampleWidth() {
  Canvas measuring(1, 1);
  SelectMonitorWindowFont(measuring);
  return measuring.TextWidth(kMonitorWindowSample);
}

bool IsOpen(const ProgramContext& context) {
  return context.monitorWindow && context.monitorWindow->Exists() && context.monitorCanvas;
}

// A position the examiner gave the window by moving it is kept for the next start.
void CapturePosition(ProgramContext& context) {
  Settings& settings = context.state.settings;
  const int m = MonitorIndex(context);
  int x = 0, y = 0, width = 0, height = 0;
  context.monitorWindow->ActualGeometry(x, y, width, height);
  if (x == kMinimisedPosition || y == kMinimisedPosition) return;
  if (x == settings.MonitorWindowX[m] && y == settings.MonitorWindowY[m]) return;
  settings.MonitorWindowX[m] = x;
  settings.MonitorWindowY[m] = y;
  // Tell the window where it stands now, so later resizes keep it there.
  context.monitorWindow->MoveTo(x, y);
  SaveConfiguration(context.state);
}

}  // namespace

void OpenMonitorWindow(ProgramContext& context) {
  CloseMonitorWindow(context);
  State& state = context.state;
  Settings& settings = state.settings;
  const int m = MonitorIndex(context);
  // The window shares the application's icon with the console window without being given it.
  CheckMonitorWindowSize(settings, state.monitors, SampleWidth());
  PlaceMonitorWindowOnDesktop(settings, state.monitors);
  KeepMonitorWindowOffChart(context);
  SaveConfiguration(state);

  const int width = settings.MonitorWindowWidth[m];
  const int height = settings.MonitorWindowHeight[m];
  context.monitorWindow =
      std::make_unique<CanvasWindow>(kMonitorWindowTitle, settings.MonitorWindowX[m],
                                     settings.MonitorWindowY[m], width, height, false);
  context.monitorCanvas = std::make_unique<Canvas>(width, height);
  context.monitorCanvas->Clear(kMonitorWindowBackground);
  context.monitorWindow->Present(*context.monitorCanvas);
  context.monitorWindow->SetTopMost(settings.AlwaysOnTopFlag == 1);
  // The examiner keeps typing into the window that had the keyboard.
  context.monitorWindow->SetShowWithoutActivating(true);
  context.monitorWindow->Show();
  SaveConfiguration(state);
}

void CloseMonitorWindow(ProgramContext& context) {
  if (context.monitorWindow) context.monitorWindow->Close();
  context.monitorWindow.reset();
  context.monitorCanvas.reset();
  context.monitorThumbnail = {};
}

void UpdateMonitorWindow(ProgramContext& context) {
  if (!IsOpen(context)) return;
  State& state = context.state;
  Canvas& canvas = *context.monitorCanvas;
  SelectMonitorWindowFont(canvas);
  canvas.SetScale(0, 0, canvas.PixelWidth(), canvas.PixelHeight());
  const bool resized =
      CheckMonitorWindowSize(state.settings, state.monitors, canvas.TextWidth(kMonitorWindowSample));
  CapturePosition(context);
  if (resized) SaveConfiguration(state);

  const MonitorWindowText text = MonitorWindowTextOf(state.chart.Mode, state.MonitorText);
  const MonitorWindowLayout layout = LayOutMonitorWindow(state.settings, state.monitors, text, canvas);
  context.monitorWindow->Resize(layout.width, layout.height);
  if (canvas.PixelWidth() != layout.width || canvas.PixelHeight() != layout.height)
    context.monitorCanvas = std::make_unique<Canvas>(layout.width, layout.height);
  context.monitorThumbnail = layout.thumbnail ? layout.thumbnailBox : RectF{};
  const std::vector<std::string> printed =
      DrawMonitorWindow(layout, text, context.chartCanvas.get(), *context.monitorCanvas);
  context.monitorWindow->Present(*context.monitorCanvas);
  if (!context.options.framesDir.empty())
    WriteMonitorFrame(context, *context.monitorCanvas, *context.monitorWindow, printed);
}

}  // namespace lenvari
