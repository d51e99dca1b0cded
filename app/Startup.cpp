#include "app/Startup.h"

#include <filesystem>
#include <random>

#include "app/ChartDisplay.h"
#include "app/ControlWindow.h"
#include "app/FolderMessages.h"
#include "app/InputLoop.h"
#include "app/MonitorWindowCommand.h"
#include "app/ProgramEnd.h"
#include "platform/DesktopPixels.h"
#include "platform/DisplayIdentity.h"
#include "render/CalibrationScreenCheck.h"
#include "store/DataFolder.h"
#include "store/LetterSetFiles.h"
#include "store/MemoryPresets.h"
#include "store/ScreenIdentity.h"
#include "store/SettingsFiles.h"

namespace lenvari {

void EnumerateMonitors(Monitors& monitors, ScreenRecords& screens) {
  monitors.NumberOfMonitors = 0;
  const std::vector<DisplayIdentity> identities = EnumDisplayIdentities();
  for (const DesktopMonitor& m : EnumDisplayMonitors()) {
    if (monitors.NumberOfMonitors == kMaxMonitors) break;
    const int n = ++monitors.NumberOfMonitors;
    monitors.MonitorRect[n] = {0, m.left, m.top, m.right, m.bottom};
    ScreenRecord& present = screens.Present[n];
    present = ScreenRecord{};
    present.known = true;
    present.widthPx = m.right - m.left;
    present.heightPx = m.bottom - m.top;
    present.pixelRatio = m.pixelRatio;
    if (n - 1 < static_cast<int>(identities.size())) {
      const DisplayIdentity& identity = identities[n - 1];
      present.manufacturer = identity.manufacturer;
      present.model = identity.model;
      present.serialNumber = identity.serialNumber;
      present.physicalWidthMm = identity.physicalWidthMm;
      present.physicalHeightMm = identity.physicalHeightMm;
      present.rotationDegrees = identity.rotationDegrees;
    }
  }
}

namespace {

// Two programs on one data folder would each save over the other's changes. A folder that
// cannot be locked at all (no lock file can be made there) is left to the save messages.
void TakeDataFolder(ProgramContext& context) {
  std::string reason;
  context.dataFolderLock = FolderLock::Take(context.state.DataPath, reason);
  if (context.dataFolderLock || reason != "in use") return;
  context.console.ConsoleMessageBox(
      "Lenvari Acuity is already running with the data folder " + context.state.DataPath +
          ".\\n\\nUse the program that is running; this second start ends now.",
      kMbIconExclamation, "Lenvari Acuity");
  throw ProgramEnd{kDataFolderInUseExitCode};
}

}  // namespace

void StartUp(ProgramContext& context) {
  State& state = context.state;
  state.Version = "Lenvari 4.13";
  state.settings.Version = state.Version;
  state.DataPath = GetDataFolder("Lenvari", "LenvariAcuity4", context.options.dataDir);
  state.MasterDataPath = GetDataFolder("Lenvari", "LenvariAcuity4", context.options.dataDir);
  std::error_code error;
  std::filesystem::current_path(state.DataPath, error);
  state.monitors.CurrentMonitor = 1;

  int consoleFlag = 0;
  context.console.InitConsoleTools(0, 256, 0, 0, consoleFlag, 0);
  context.console.Console80x(25);
  context.console.ConsoleToolBar(0, 5);
  context.console.ConsoleTitle("Lenvari Acuity");
  TakeDataFolder(context);

  state.random.seed(context.options.hasSeed ? context.options.seed : std::random_device{}());

  EnumerateMonitors(state.monitors, state.screens);
  context.shapes = LoadOptotypeShapes();
  LoadConfiguration(state);
  state.display = LoadDisplayOptions(state.DataPath);
  state.screens.Calibrated = LoadScreenIdentities(state.DataPath);
  CheckMonitorCount(state.monitors, context.console);
  state.chart.CurrentMemory = 1;
  state.chart.ImageNum = 1;
  LoadLetterSets(state.letters, state.chart, state.DataPath);
  ReportUnreadableFiles(context);
  Monitors& monitors = state.monitors;
  for (int m = 1; m <= monitors.NumberOfMonitors; ++m) MeasureScreen(monitors, m);
  PlaceControlWindowAtStart(context);
  OpenChartWindow(context);
  if (state.settings.MonitorWindowFlag == 1) OpenMonitorWindow(context);
  MemoryPreset(state, "read", state.chart.CurrentMemory);
}

void RunProgram(ProgramContext& context) {
  StartUp(context);
  RunInputLoop(context);
}

}  // namespace lenvari
