#include "app/loop/Startup.h"

#include <filesystem>
#include <random>

#include "app/loop/ChartDisplay.h"
#include "app/examiner/ControlWindow.h"
#include "app/examiner/FolderMessages.h"
#include "app/loop/InputLoop.h"
#include "app/commands/MonitorWindowCommand.h"
#include "app/loop/ProgramEnd.h"
#include "platform/qtgui/DesktopPixels.h"
#include "platform/qtgui/DisplayIdentity.h"
#include "render/CalibrationScreenCheck.h"
#include "store/ControlWindowFile.h"
#include "store/DataFolder.h"
#include "store/LetterSetFiles.h"
#include "store/MonitorNumbering.h"
#include "store/MemoryPresets.h"
#include "store/OwnFiles.h"
#include "store/ScreenIdentity.h"
#include "store/SettingsFiles.h"
#include "app/examiner/MonitorCountCheck.h"

namespace lenvari {

void EnumerateMonitors(Monitors& monitors, ScreenRecords& screens) {
  const std::vector<DisplayIdentity> identities = EnumDisplayIdentities();
  std::vector<DesktopMonitor> found = EnumDisplayMonitors();
  if (static_cast<int>(found.size()) > kMaxMonitors) found.resize(kMaxMonitors);
  std::vector<ScreenRecord> present(found.size());
  for (size_t i = 0; i < found.size(); ++i) {
    const DesktopMonitor& m = found[i];
    ScreenRecord& record = present[i];
    record.known = true;
    record.widthPx = m.right - m.left;
    record.heightPx = m.bottom - m.top;
    record.pixelRatio = m.pixelRatio;
    if (i < identities.size()) {
      const DisplayIdentity& identity = identities[i];
      record.manufacturer = identity.manufacturer;
      record.model = identity.model;
      record.serialNumber = identity.serialNumber;
      record.physicalWidthMm = identity.physicalWidthMm;
      record.physicalHeightMm = identity.physicalHeightMm;
      record.rotationDegrees = identity.rotationDegrees;
    }
  }
  const std::vector<int> numbers = NumberMonitors(
      present, std::vector<ScreenRecord>(screens.Calibrated.begin() + 1, screens.Calibrated.end()));
  monitors.NumberOfMonitors = static_cast<int>(found.size());
  for (size_t i = 0; i < found.size(); ++i) {
    const int n = numbers[i];
    const DesktopMonitor& m = found[i];
    monitors.MonitorRect[n] = {0, m.left, m.top, m.right, m.bottom};
    screens.Present[n] = present[i];
  }
}

namespace {

// Two programs on one data folder would each save over the other's changes. A folder that
// cannot be locked at all (no lock file can be made there) is said, and the start goes on.
void TakeDataFolder(ProgramContext& context) {
  std::string reason;
  context.dataFolderLock = FolderLock::Take(context.state.DataPath, reason);
  if (context.dataFolderLock) {
    // Holding the lock, no other run can be saving here: a temporary file of a save that is
    // older than this moment was left by a run that ended before its save did.
    RemoveLeftoversOfSaves(context.state.DataPath, std::filesystem::file_time_type::clock::now());
    return;
  }
  if (reason != "in use") {
    context.console.ConsoleMessageBox(
        "The data folder " + context.state.DataPath + " could not be locked (" +
            (std::filesystem::path(context.state.DataPath) / kFolderLockFileName).string() +
            ": " + reason +
            ").\\n\\nA second Lenvari Acuity started on this folder would not be refused, and "
            "the two would save over each other's changes.",
        kMbIconExclamation, "Lenvari Acuity");
    return;
  }
  context.console.ConsoleMessageBox(
      "Lenvari Acuity is already running with the data folder " + context.state.DataPath +
          ".\\n\\nUse the program that is running; this second start ends now.",
      kMbIconExclamation, "Lenvari Acuity");
  throw ProgramEnd{kDataFolderInUseExitCode};
}

// This program's own files: the display's light, the phone remote, the monitors the calibrations were made on,
// and whether the control window's place can be kept.
void LoadOwnFiles(State& state) {
  std::string unreadable;
  state.display = LoadDisplayOptions(state.DataPath, &unreadable);
  if (!unreadable.empty()) state.OwnFilesUnreadable[kDisplayFileName] = unreadable;
  state.phoneRemote = LoadPhoneRemoteOptions(state.DataPath, &unreadable);
  if (!unreadable.empty()) state.OwnFilesUnreadable[kPhoneRemoteFileName] = unreadable;
  LoadControlWindowPlace(state.DataPath, &unreadable);
  if (!unreadable.empty()) state.OwnFilesUnreadable[kControlWindowFileName] = unreadable;

  const IdentityFileRead identities = ReadScreenIdentityFile(state.DataPath);
  state.screens.Calibrated = identities.records;
  state.screens.IdentityUnknown = identities.damaged || !identities.unreadable.empty();
  if (!identities.unreadable.empty())
    state.OwnFilesUnreadable[kScreenIdentityFileName] = identities.unreadable;
  if (identities.damaged) {
    // Kept before the next calibration replaces it.
    const std::string backup = KeepBackup(identities.path);
    state.FilesSetAside.push_back(
        identities.path + " is damaged, so it is not known which monitor the calibration was "
        "made on" + (backup.empty() ? "." : "; what it held is kept in " + backup + "."));
  }
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

  context.console.Console80x(25);
  context.console.ConsoleTitle("Lenvari Acuity");
  TakeDataFolder(context);

  state.random.seed(context.options.hasSeed ? context.options.seed : std::random_device{}());

  // The monitors the calibrations were made on number the present ones.
  LoadOwnFiles(state);
  EnumerateMonitors(state.monitors, state.screens);
  context.shapes = LoadOptotypeShapes();
  LoadConfiguration(state);
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
  MemoryPreset(state, PresetAction::Recall, state.chart.CurrentMemory);
}

void RunProgram(ProgramContext& context) {
  StartUp(context);
  RunInputLoop(context);
}

}  // namespace lenvari
