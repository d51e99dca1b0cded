#include "app/commands/ConfigurationCommand.h"

#include <string>

#include "app/examiner/CalibrationCheck.h"
#include "app/loop/ChartDisplay.h"
#include "app/examiner/GammaMatch.h"
#include "app/commands/MonitorWindowCommand.h"
#include "app/examiner/PhoneRemote.h"
#include "app/examiner/VirtualRemote.h"
#include "common/NumberText.h"
#include "dialogs/LenvariDLL.h"
#include "gallery/GalleryLook.h"
#include "render/DistanceRescale.h"
#include "store/DataFolder.h"
#include "store/DisplayFile.h"
#include "store/PhoneRemoteFile.h"
#include "store/SettingsFiles.h"

namespace lenvari {
namespace {

// One of the program's own files, written only when its options changed, so a folder that never
// used it stays as it was; one that could not be read at start keeps what it holds.
template <typename Options>
void SaveOwnFileIfChanged(State& state, const char* fileName, const Options& before,
                          const Options& now,
                          bool (*save)(const std::string&, const Options&, std::string*)) {
  if (now == before || state.OwnFilesUnreadable.contains(fileName)) return;
  std::string reason;
  if (!save(state.DataPath, now, &reason))
    NoteSaveFailure(state.saveFailures, ResolveDataFile(state.DataPath, fileName), reason);
}

// The settings of the run, handed to the dialog as its arguments; it writes them back on Save,
// Calibrate and Match Gamma only. Returns 1 for Calibrate, 2 for Match Gamma.
int ShowConfiguration(State& state) {
  Settings& s = state.settings;
  Monitors& monitors = state.monitors;
  return SHOWCONFIGURATION(0, s.AcuityBase, s.ShowTestDistance, s.Mirror, monitors.CurrentMonitor,
                           s.LabelSize, s.LabelColor, s.MaxVShutter, s.StatusBar, s.TestDistance,
                           s.AstigMode, s.JacksonCrossTargetSize, s.AccessibleContrast,
                           s.WorthDotSize, s.FixDispFusionLock, s.RedGreenOrRedBlue, s.WorthDotMode,
                           s.MyRed, s.MyBlue, s.MyGreen, s.MyBlack, s.AudioAlert, s.SelectedVideo,
                           s.VideoPlayer, monitors.NumberOfMonitors, s.MonitorWindowFlag,
                           s.ThumbnailFlag, s.AlwaysOnTopFlag, s.SmoothingFlag, s.TimerDelay,
                           s.ShowVirtualRemote, &state.display.LuminanceContrast,
                           &state.phoneRemote.PhoneRemote);
}

// The examiner asked for a calibration: the square on the patient monitor, then the chart
// again from preset 1.
void CalibrateFromConfiguration(ProgramContext& context, bool monitorChanged) {
  if (monitorChanged) CheckCalibration(context);
  context.console.BringToFront();
  RunCalibrationScreen(context);
  RecallPresetOneAndDraw(context);
}

// A new distance keeps the calibration: the square measured then holds the screen's pixel
// pitch, so each monitor whose distance changed gets its scales multiplied by old / new
// distance. Returns the status line that tells so ("" when no scale changed).
std::string FollowDistanceChanges(State& state, const Settings& before) {
  std::string told;
  for (int m = 1; m <= state.monitors.NumberOfMonitors && m <= kMaxMonitors; ++m) {
    const std::string& from = before.TestDistance[m];
    const std::string& to = state.settings.TestDistance[m];
    if (from == to) continue;
    const int x = state.monitors.MasterScaleX[m], y = state.monitors.MasterScaleY[m];
    if (!RescaleForDistance(state.monitors, m, from, to)) continue;
    if (!told.empty()) told += "; ";
    told += "Monitor " + std::to_string(m) + ": test distance " + TrimBlanks(from) + " -> " +
            TrimBlanks(to) + ", chart scales " + std::to_string(x) + " x " + std::to_string(y) +
            " -> " + std::to_string(state.monitors.MasterScaleX[m]) + " x " +
            std::to_string(state.monitors.MasterScaleY[m]) + " pixels (same calibration)";
  }
  return told;
}

// The examiner's windows follow the flags the dialog left: the monitor window opened or
// closed, the virtual remote started or closed, the monitor window's stacking.
void ApplyWindowChoices(ProgramContext& context, int monitorWindowBefore, int remoteBefore) {
  const Settings& settings = context.state.settings;
  if (settings.MonitorWindowFlag != monitorWindowBefore) {
    if (settings.MonitorWindowFlag == 0) {
      CloseMonitorWindow(context);
    } else {
      OpenMonitorWindow(context);
    }
  }
  if (settings.ShowVirtualRemote == 0) {
    CloseVirtualRemote(context);
  } else if (remoteBefore == 0) {
    StartVirtualRemote(context);
  }
  if (context.monitorWindow) context.monitorWindow->SetTopMost(settings.AlwaysOnTopFlag == 1);
}

}  // namespace

void RunConfigurationDialog(ProgramContext& context) {
  State& state = context.state;
  const State before = state;

  const int result = ShowConfiguration(state);
  const bool monitorChanged = state.monitors.CurrentMonitor != before.monitors.CurrentMonitor;
  const std::string rescaled = FollowDistanceChanges(state, before.settings);
  if (!rescaled.empty()) {
    context.notices.status = rescaled;
    if (context.chartCanvas) ApplyChartScale(state.monitors, *context.chartCanvas);
  }
  // Pictures drawn with the old settings would show other charts than a recall does.
  for (int m = 1; m <= state.monitors.NumberOfMonitors && m <= kMaxMonitors; ++m)
    if (GalleryLookChanged(before, state, m)) ForgetGalleryPictures(context.galleries, state.DataPath, m);
  if (result == kConfigurationCalibrate) CalibrateFromConfiguration(context, monitorChanged);
  if (monitorChanged) CheckCalibration(context);
  if (result == kConfigurationMatchGamma) RunGammaMatch(context);
  ApplyWindowChoices(context, before.settings.MonitorWindowFlag,
                     before.settings.ShowVirtualRemote);
  SaveConfiguration(state);
  SaveOwnFileIfChanged(state, kDisplayFileName, before.display, state.display, SaveDisplayOptions);
  SaveOwnFileIfChanged(state, kPhoneRemoteFileName, before.phoneRemote, state.phoneRemote,
                       SavePhoneRemoteOptions);
  ApplyPhoneRemoteSetting(context);
  DrawChartFrame(context);
}

}  // namespace lenvari
