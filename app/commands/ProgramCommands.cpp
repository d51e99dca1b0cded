#include "app/commands/ProgramCommands.h"

#include <algorithm>
#include <cmath>

#include "app/examiner/CalibrationCheck.h"
#include "app/commands/ConfigurationCommand.h"
#include "app/commands/MonitorWindowCommand.h"
#include "app/commands/QuickKeyList.h"
#include "app/examiner/RemoteSupport.h"
#include "app/commands/VideoCommands.h"
#include "gallery/GalleryLook.h"
#include "platform/qt/Shell.h"
#include "store/ExportArchive.h"
#include "store/SettingsFiles.h"
#include "app/commands/ExportCommand.h"

namespace lenvari {
namespace {

constexpr const char* kOneMonitorMessage =
    "Only one monitor detected.  Unable to change to alternate monitor.";
constexpr const char* kProgramTitle = "Lenvari Acuity";

}  // namespace

bool IsConfigurationCorner(int mouseX, int mouseY, int screenWidth, int screenHeight,
                           int masterScaleX, int masterScaleY) {
  // An uncalibrated scale of 0 would divide by zero; the corner is then as far out as it gets.
  const double scaleX = std::max(1, masterScaleX), scaleY = std::max(1, masterScaleY);
  const double right = std::floor(0.9 * (screenWidth - 3) * 500 / scaleX);
  const double top = std::floor(0.9 * (screenHeight - 30) * 500 / scaleY);
  return mouseX > right && mouseY < -top;
}

void ChartClick(ProgramContext& context) {
  const Monitors& monitors = context.state.monitors;
  const int m = monitors.CurrentMonitor;
  const ChartState& chart = context.state.chart;
  if (!IsConfigurationCorner(chart.MouseX, chart.MouseY, monitors.ScreenWidth[m],
                             monitors.ScreenHeight[m], monitors.MasterScaleX[m],
                             monitors.MasterScaleY[m]))
    return;
  ConfigurationKey(context);
}

void ConfigurationKey(ProgramContext& context) {
  context.console.BringToFront();
  RunConfigurationDialog(context);
}

void NextPatientMonitor(ProgramContext& context) {
  Monitors& monitors = context.state.monitors;
  if (monitors.NumberOfMonitors <= 1) {
    context.console.ConsoleMessageBox(kOneMonitorMessage, kMbOk, kProgramTitle);
    return;
  }
  monitors.CurrentMonitor += 1;
  if (monitors.CurrentMonitor > monitors.NumberOfMonitors) monitors.CurrentMonitor = 1;
  CheckCalibration(context, true);
}

void OpenRemoteSupport(ProgramContext&) { OpenWithDefaultHandler(kRemoteSupportAddress); }

void SelectVideoKey(ProgramContext& context) {
  const std::string chosen = SelectVideo(context);
  if (!chosen.empty()) context.state.settings.SelectedVideo = chosen;
  SaveConfiguration(context.state);
}

void QuickKeyListKey(ProgramContext& context) {
  context.state.chart.DispFlag = 0;
  ShowQuickKeyList(context);
}

void MirrorKey(ProgramContext& context) {
  int& mirror = context.state.settings.Mirror[context.state.monitors.CurrentMonitor];
  mirror = -mirror;
  SaveConfiguration(context.state);
  // The thumbnails show the charts as they were drawn: the other way round now.
  ForgetGalleryPictures(context.galleries, context.state.DataPath,
                        context.state.monitors.CurrentMonitor);
}

void ExportKey(ProgramContext& context) {
  ConsoleHost& console = context.console;
  ExportCommand(
      [&](const std::string& text, int style, const std::string& title) {
        return console.ConsoleMessageBox(text, style, title);
      },
      context.state.DataPath, [] { return ChooseFolder(kExportFolderTitle, ""); });
}

bool MonitorWindowKey(ProgramContext& context) {
  int& flag = context.state.settings.MonitorWindowFlag;
  bool redraw = false;
  if (flag == 1) {
    flag = 0;
    CloseMonitorWindow(context);
  } else {
    flag = 1;
    OpenMonitorWindow(context);
    redraw = true;
  }
  SaveConfiguration(context.state);
  return redraw;
}

}  // namespace lenvari
