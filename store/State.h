#pragma once
// Everything the program knows, as plain data: one instance per program context (and per test).

#include <cstdint>
#include <random>
#include <string>

#include "store/ChartState.h"
#include "store/DisplayFile.h"
#include "store/LetterSets.h"
#include "store/Monitors.h"
#include "store/Presets.h"
#include "store/ScreenIdentity.h"
#include "store/Settings.h"

namespace lenvari {

struct State {
  ChartState chart;
  Monitors monitors;
  Settings settings;
  LetterSets letters;
  Presets presets;
  ScreenRecords screens;  // the monitors the calibrations were made on, and the present ones
  DisplayOptions display;  // how the patient's screen makes light of values

  std::string Version;
  std::string DataPath;        // the data folder, without a trailing separator
  std::string MasterDataPath;  // the same folder, found by the same call
  std::string MonitorText;     // text lines of the current frame, each ended by CR
  // The first save of this run that failed: the folder and the reason (empty: none failed).
  // The examiner is told once; what was changed stays in memory.
  std::string SaveFailure;
  bool SaveFailureShown = false;

  std::mt19937 random{12345};  // every random draw; seeded by --seed or at start
};

}  // namespace lenvari
