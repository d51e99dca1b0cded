#pragma once
// The memory-preset table of the current monitor and the temporary copy of the chart state.

#include <array>
#include <string>

namespace lenvari {

constexpr int kPresetCount = 36;
constexpr int kPresetFields = 21;

struct Presets {
  std::array<std::array<std::string, kPresetFields>, kPresetCount + 1> PresetTable;
  std::array<std::array<std::string, kPresetFields>, 13> TempState;
  // The monitor whose preset file the table was loaded from (0: none yet). A save writes the
  // table back to that file only, so presets never land in another monitor's file.
  int LoadedMonitor = 0;
  // Why that file could not be read (empty: it could). Such a file is never written over.
  std::string FileUnreadable;
};

}  // namespace lenvari
