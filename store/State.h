#pragma once
// Everything the program knows, as plain data: one instance per program context (and per test).

#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "store/ChartState.h"
#include "store/DisplayFile.h"
#include "store/LetterSets.h"
#include "store/Monitors.h"
#include "store/PhoneRemoteFile.h"
#include "store/Presets.h"
#include "store/SaveFailures.h"
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
  PhoneRemoteOptions phoneRemote;  // whether a phone may drive the chart

  std::string Version;
  std::string DataPath;        // the data folder, without a trailing separator
  std::string MasterDataPath;  // the same folder, found by the same call
  std::string MonitorText;     // text lines of the current frame, each ended by CR
  // Saves that failed; the examiner is told of each file and reason once, and what was
  // changed stays in memory.
  SaveFailures saveFailures;
  // This program's own files (lvdisplay.cfg, lvscreenidentity.cfg, lvcontrolwindow.cfg,
  // lvphoneremote.cfg) that exist but could not be read, by file name, with the reason: they
  // are named at start and never saved over.
  std::map<std::string, std::string> OwnFilesUnreadable;
  // Files that were read but could not be used and were replaced, each "path (kept as
  // backup)", named at start.
  std::vector<std::string> FilesSetAside;

  std::mt19937 random{12345};  // every random draw; seeded by --seed or at start
};

}  // namespace lenvari
