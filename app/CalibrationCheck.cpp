#include "app/CalibrationCheck.h"

#include "app/ChartDisplay.h"
#include "app/FrameOutput.h"
#include "app/WaitForInput.h"
#include "dialogs/LenvariDLL.h"
#include "render/CalibrationScreen.h"
#include "render/CalibrationScreenCheck.h"
#include "store/MemoryPresets.h"
#include "store/MonitorDataFile.h"
#include "store/PresetFile.h"
#include "store/SettingsFiles.h"

namespace lenvari {
namespace {

void RecallPresetOneAndDraw(ProgramContext& context) {
  OpenChartWindow(context);
  context.state.chart.CurrentMemory = 1;
  MemoryPreset(context.state, "read", context.state.chart.CurrentMemory);
  if (context.chartWindow) context.chartWindow->Activate();
  DrawChartFrame(context);
}

}  // namespace

void RunCalibrationScreen(ProgramContext& context) {
  std::unique_ptr<CanvasWindow> window;
  CalibrationScreenHost host;
  host.closeChartWindow = [&] { CloseChartWindow(context); };
  host.openCalibrationWindow = [&](const CalibrationWindowPlacement& placement) {
    window = std::make_unique<CanvasWindow>(placement.caption, placement.left, placement.top,
                                            placement.clientWidth, placement.clientHeight,
                                            false);
    window->SetFrameAtCorner(true);
    window->Show();
    window->Activate();
  };
  host.presentCalibrationWindow = [&](Canvas& canvas) {
    window->Present(canvas);
    if (!context.options.framesDir.empty()) WriteFrame(context, canvas, window.get());
  };
  host.waitForInput = [&] {
    const std::string input = WaitForWindowKeys(context, *window);
    // Closed by hand: that is Escape, and where Escape cannot end the calibration the square
    // must come back.
    if (!window->Exists()) {
      window->Show();
      window->Activate();
    }
    return input;
  };
  host.closeCalibrationWindow = [&] {
    if (window) window->Close();
  };
  host.saveConfiguration = [&] {
    StorePresentRectangle(context.state.monitors, context.state.monitors.CurrentMonitor);
    SaveConfiguration(context.state);
  };
  // The chart units change with the scale, so both galleries are drawn anew.
  host.rebuildGalleries = [&] {
    RebuildPresetGallery(context.galleries, context.state, context.shapes);
    RebuildImageGallery(context.galleries, context.state, context.shapes);
  };
  CalibrateScreen(context.console, context.state.monitors, context.state.settings, host);
}

void CheckCalibration(ProgramContext& context) {
  Monitors& monitors = context.state.monitors;
  const int m = monitors.CurrentMonitor;
  // The presets shown and stored from now on are those of the monitor switched to; the table
  // of the previous one must not be recalled here or saved under this monitor's number.
  if (context.state.presets.LoadedMonitor != m)
    LoadPresetFile(context.state.presets, m, context.state.DataPath);
  CloseChartWindow(context);
  MeasureScreen(monitors, m);
  if (CalibrationRequired(monitors, m, kMonitorChangeCalibrationMinimum)) {
    ShowCalibrationRequired(context.console);
    context.console.BringToFront();
    context.console.ConsoleTopMost(0);
    RunCalibrationScreen(context);
    SaveConfiguration(context.state);
  }
  StorePresentRectangle(monitors, m);
  SaveMonitorData(monitors, context.state.settings, context.state.DataPath);
  RecallPresetOneAndDraw(context);
}

bool LoopEntryCalibrationCheck(ProgramContext& context) {
  Monitors& monitors = context.state.monitors;
  const int m = monitors.CurrentMonitor;
  if (!CalibrationRequired(monitors, m, kLoopEntryCalibrationMinimum)) return false;
  ShowCalibrationRequired(context.console);
  context.console.ConsoleTopMost(0);
  context.console.BringToFront();
  std::string& distance = context.state.settings.TestDistance[m];
  SHOWCALIBRATE(0, distance);
  RunCalibrationScreen(context);
  RecallPresetOneAndDraw(context);
  return true;
}

}  // namespace lenvari
