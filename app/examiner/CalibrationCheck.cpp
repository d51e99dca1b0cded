#include "app/examiner/CalibrationCheck.h"

#include "app/examiner/AboutBox.h"
#include "app/loop/ChartDisplay.h"
#include "app/loop/FrameOutput.h"
#include "app/loop/WaitForInput.h"
#include "dialogs/LenvariDLL.h"
#include "render/CalibrationScreen.h"
#include "render/CalibrationScreenCheck.h"
#include "store/MemoryPresets.h"
#include "store/MonitorDataFile.h"
#include "store/PresetFile.h"
#include "store/DataFolder.h"
#include "store/ScreenIdentity.h"
#include "store/SettingsFiles.h"
#include "app/examiner/ScreenCalibration.h"

namespace lenvari {

void RecallPresetOneAndDraw(ProgramContext& context) {
  OpenChartWindow(context);
  context.state.chart.CurrentMemory = 1;
  MemoryPreset(context.state, PresetAction::Recall, context.state.chart.CurrentMemory);
  if (context.chartWindow) context.chartWindow->Activate();
  DrawChartFrame(context);
}

namespace {

// The "Calibration Required" box naming what changed.
void ShowMonitorChanged(ConsoleBoxes& boxes, const std::string& change) {
  boxes.ConsoleMessageBox(change + "\\n\\nCalibration is now required.", kMbIconExclamation,
                          "Calibration Required");
}

// A monitor calibrated before its identity was kept takes the present one without asking.
void AdoptUnknownScreen(State& state, int m) {
  if (state.screens.Calibrated[m].known || !state.screens.Present[m].known) return;
  RememberCalibratedScreen(state, m);
}

}  // namespace

std::string MonitorChangeText(const State& state, int m) {
  if (m < 1 || m > kMaxMonitors) return "";
  const ScreenRecord& present = state.screens.Present[m];
  // With the record of the calibrated monitor lost, a monitor that names itself may well be
  // another one: only a calibration can tell.
  if (state.screens.IdentityUnknown && !state.screens.Calibrated[m].known && present.known &&
      HasIdentity(present))
    return "It is not known which monitor the calibration was made on (" +
           std::string(kScreenIdentityFileName) +
           " could not be read), and the patient monitor is now " + ScreenName(present, present) +
           ".";
  return ScreenChangeText(state.screens.Calibrated[m], present);
}

void RememberCalibratedScreen(State& state, int m) {
  if (m < 1 || m > kMaxMonitors || !state.screens.Present[m].known) return;
  ScreenRecord record = state.screens.Present[m];
  record.physicalWidthMm = record.physicalHeightMm = 0;
  state.screens.Calibrated[m] = record;
  // A file that could not be read keeps what it holds; a damaged one was kept as a backup at
  // start.
  if (state.OwnFilesUnreadable.contains(kScreenIdentityFileName)) return;
  const std::string path = ResolveDataFile(state.DataPath, kScreenIdentityFileName);
  std::string reason;
  if (!WriteFileAtomically(path, ScreenIdentityFileText(state.screens.Calibrated), &reason))
    NoteSaveFailure(state.saveFailures, path, reason);
}

void RunCalibrationScreen(ProgramContext& context, bool monitorChanged) {
  std::unique_ptr<CanvasWindow> window;
  CalibrationScreenHost host;
  host.closeChartWindow = [&] { CloseChartWindow(context); };
  // Like the chart: frameless and full screen on the patient monitor, with nothing over the
  // square the examiner measures.
  host.openCalibrationWindow = [&](const CalibrationWindowPlacement& placement) {
    HideAboutBox(context);
    window = std::make_unique<CanvasWindow>(placement.caption, placement.left, placement.top,
                                            placement.clientWidth, placement.clientHeight,
                                            true);
    window->SetFullScreen(true);
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
    RememberCalibratedScreen(context.state, context.state.monitors.CurrentMonitor);
  };
  // The chart units change with the scale, so both galleries are drawn anew.
  host.rebuildGalleries = [&] {
    RebuildPresetGallery(context.galleries, context.state, context.shapes,
                         &context.state.saveFailures);
    RebuildImageGallery(context.galleries, context.state, context.shapes,
                        &context.state.saveFailures);
  };
  const int m = context.state.monitors.CurrentMonitor;
  CalibrationHints hints;
  hints.monitorChanged = monitorChanged;
  if (m >= 1 && m <= kMaxMonitors) {
    const auto square = PhysicalSquare(context.state.screens.Present[m],
                                       CalibrationSide(context.state.settings.TestDistance[m]));
    if (square) hints.physical = std::make_pair(square->x, square->y);
  }
  CalibrateScreen(context.console, context.state.monitors, context.state.settings, host, hints);
}

void CheckCalibration(ProgramContext& context, bool askDistance) {
  Monitors& monitors = context.state.monitors;
  const int m = monitors.CurrentMonitor;
  // The presets shown and stored from now on are those of the monitor switched to; the table
  // of the previous one must not be recalled here or saved under this monitor's number.
  if (context.state.presets.LoadedMonitor != m)
    LoadPresetFile(context.state.presets, m, context.state.DataPath);
  CloseChartWindow(context);
  MeasureScreen(monitors, m);
  const bool required = CalibrationRequired(monitors, m, kMonitorChangeCalibrationMinimum);
  const std::string change = required ? "" : MonitorChangeText(context.state, m);
  if (required || !change.empty()) {
    if (required) {
      ShowCalibrationRequired(context.console);
    } else {
      ShowMonitorChanged(context.console, change);
    }
    context.console.BringToFront();
    // The square's size depends on the distance, which a monitor never calibrated may not
    // have been given yet.
    if (askDistance) SHOWCALIBRATE(0, context.state.settings.TestDistance[m]);
    RunCalibrationScreen(context, !change.empty());
    SaveConfiguration(context.state);
  } else {
    AdoptUnknownScreen(context.state, m);
  }
  StorePresentRectangle(monitors, m);
  SaveMonitorData(monitors, context.state.settings, context.state.DataPath);
  RecallPresetOneAndDraw(context);
}

bool LoopEntryCalibrationDue(const State& state) {
  const int m = state.monitors.CurrentMonitor;
  return CalibrationRequired(state.monitors, m, kLoopEntryCalibrationMinimum) ||
         !MonitorChangeText(state, m).empty();
}

bool LoopEntryCalibrationCheck(ProgramContext& context) {
  Monitors& monitors = context.state.monitors;
  const int m = monitors.CurrentMonitor;
  const bool required = CalibrationRequired(monitors, m, kLoopEntryCalibrationMinimum);
  const std::string change = required ? "" : MonitorChangeText(context.state, m);
  if (!required && change.empty()) {
    AdoptUnknownScreen(context.state, m);
    return false;
  }
  if (required) {
    ShowCalibrationRequired(context.console);
  } else {
    ShowMonitorChanged(context.console, change);
  }
  context.console.BringToFront();
  std::string& distance = context.state.settings.TestDistance[m];
  SHOWCALIBRATE(0, distance);
  RunCalibrationScreen(context, !change.empty());
  RecallPresetOneAndDraw(context);
  return true;
}

}  // namespace lenvari
