#pragma once
// Chart states for the drawing tests: the first-start settings and built-in letter sets on a
// calibrated monitor of a given size, without touching any file.

#include "render/DrawChart.h"
#include "store/BuiltInLetterSets.h"
#include "store/BuiltInPresets.h"
#include "store/MemoryPresets.h"
#include "store/SettingsFiles.h"
#include "store/State.h"

namespace lenvari::testing {

// Built-in preset 1 (ETDRS Standard at 20/40 with the gradient rows below it, all rows and
// columns) on monitor 1.
inline State MakeChartState(int screenWidth = 1920, int screenHeight = 1080, int masterScale = 343) {
  State state;
  Monitors& monitors = state.monitors;
  monitors.NumberOfMonitors = 1, monitors.ScreenWidth[1] = screenWidth;
  monitors.ScreenHeight[1] = screenHeight, monitors.MasterScaleX[1] = masterScale;
  monitors.MasterScaleY[1] = masterScale;
  ApplyDefaultSettings(state.settings, monitors, 1);
  SetChartExtent(monitors);
  for (int f = 0; f <= kLetterSetFiles; ++f) FillBuiltInLetterSet(state.letters, f);
  FillBuiltInPresets(state.presets);
  state.chart.CurrentMemory = 1;
  MemoryPreset(state, PresetAction::Recall, state.chart.CurrentMemory);
  state.chart.ShowMemoryNumber = 0;  // as after the next input
  state.chart.ImageNum = 1;
  return state;
}

}  // namespace lenvari::testing
