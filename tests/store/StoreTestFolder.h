#pragma once
// A fresh data folder and a fresh program state for each store test.

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "support/DataFolderText.h"
#include "support/FakeConsoleHost.h"
#include "store/DataFolder.h"
#include "store/LetterSetFiles.h"
#include "store/MemoryPresets.h"
#include "store/SettingsFiles.h"
#include "store/State.h"
#include "app/examiner/MonitorCountCheck.h"

namespace lenvari {

// Two monitors side by side, the second left of the primary one (negative coordinates).
inline State NewState(const std::string& folder) {
  State state;
  state.Version = "Lenvari 4.13", state.DataPath = folder, state.MasterDataPath = folder;
  state.monitors.CurrentMonitor = 1, state.monitors.NumberOfMonitors = 2;
  state.monitors.MonitorRect[1] = {0, 0, 0, 1920, 1080};
  state.monitors.MonitorRect[2] = {0, -1280, 0, 0, 1024};
  return state;
}

// Stores or recalls preset n (MemoryPreset corrects a number outside the presets in place).
inline void OnPreset(State& state, PresetAction action, int n) { MemoryPreset(state, action, n); }

inline std::set<std::string> FileNames(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.insert(entry.path().filename().string());
  return names;
}

// The newest backup kept of `name`, "<none>" when there is none.
inline std::string BackupText(const std::string& folder, const std::string& name) {
  const std::vector<std::string> kept = BackupsOf((std::filesystem::path(folder) / name).string());
  return kept.empty() ? "<none>" : ReadWholeFile(kept.back()).value_or("<unreadable>");
}

// A test that owns a temporary data folder and starts the store on it as often as it likes.
class StoreFolderTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  std::string folder = dir.path().toStdString();
  FakeConsoleHost host;

  // The store's part of a program start: settings, monitor check, letter sets, preset 1.
  State Start() {
    State state = NewState(folder);
    LoadConfiguration(state);
    CheckMonitorCount(state.monitors, host);
    state.chart.CurrentMemory = 1;
    LoadLetterSets(state.letters, state.chart, state.DataPath);
    MemoryPreset(state, PresetAction::Recall, state.chart.CurrentMemory);
    return state;
  }
};

}  // namespace lenvari
