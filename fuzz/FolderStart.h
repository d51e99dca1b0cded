#pragma once
// The store's part of a program start, for the start harness and its seeds: a data folder's
// files as one input, split at a record-separator byte, and the start on them.

#include <string>
#include <vector>

#include "store/DataFolder.h"
#include "store/LetterSetFiles.h"
#include "store/MemoryPresets.h"
#include "store/SettingsFiles.h"
#include "store/State.h"

namespace lenvari {

constexpr char kFileSeparator = '\x1e';

// The files an input fills, in its order; files after the input's last piece are missing.
// Monitors 2 .. 10 keep their settings files out: a missing one is read like monitor 1's.
inline std::vector<std::string> StartFileNames() {
  std::vector<std::string> names = {"globalconfig.cfg", "1lvconfig.cfg", "lvmonitordata.cfg",
                                    "1presets.cfg"};
  for (int f = 0; f <= kLetterSetFiles; ++f) names.push_back("lv" + std::to_string(f) + ".let");
  return names;
}

// Two monitors side by side, the second left of the primary one; the first monitor's files
// read and rebuilt, preset 1 recalled, as a start does before its first frame.
inline State StartOn(const std::string& folder) {
  State state;
  state.Version = "Lenvari 4.13", state.DataPath = folder, state.MasterDataPath = folder;
  state.monitors.CurrentMonitor = 1, state.monitors.NumberOfMonitors = 2;
  state.monitors.MonitorRect[1] = {0, 0, 0, 1920, 1080};
  state.monitors.MonitorRect[2] = {0, -1280, 0, 0, 1024};
  LoadConfiguration(state);
  // What the start's monitor check does when the stored patient monitor is not attached.
  if (state.monitors.CurrentMonitor < 1 || state.monitors.CurrentMonitor > 2)
    state.monitors.CurrentMonitor = 1;
  state.chart.CurrentMemory = 1;
  LoadLetterSets(state.letters, state.chart, state.DataPath);
  MemoryPreset(state, PresetAction::Recall, state.chart.CurrentMemory);
  return state;
}

}  // namespace lenvari
