#pragma once
// "lvmonitordata.cfg": the patient monitor in use and, for each of the ten monitors, its
// desktop rectangle when last stored, its calibration scales and its mirror flag.

#include <string>
#include <string_view>

#include "store/Monitors.h"
#include "store/Settings.h"

namespace lenvari {

// The file's text: `CurrentMonitor`, the record count, then ten records of seven integer
// lines (left, top, right, bottom of `MonitorRect`, `MasterScaleX`, `MasterScaleY`, `Mirror`).
// Raises `MonitorRecordCount` to `NumberOfMonitors` first and copies each `MonitorRect` into
// `SavedMonitorRect` as its record is written.
std::string MonitorDataText(Monitors& monitors, const Settings& settings,
                            bool refreshSavedRectangles = true);

// Reads the file's text: `CurrentMonitor` (a number outside 1 .. 10 reads as 1), the record
// count (held within 0 .. 10), then that many records, whose rectangles go to
// `SavedMonitorRect`. False when the text ends before the last value it declares.
bool ReadMonitorDataText(Monitors& monitors, Settings& settings, std::string_view text);

// Writes the file through `MonitorDataText`. False when the file could not be written, in
// which case the previous file is unchanged.
bool SaveMonitorData(Monitors& monitors, const Settings& settings, const std::string& dataPath,
                     bool refreshSavedRectangles = true);

// Reads the file. A missing file changes nothing (the scales stay 0, so calibration will be
// asked for). A file that cannot be read whole is kept as "lvmonitordata.cfg.bak" and the
// scales of the monitors present are set to 0 and their mirror flags to 1; it returns false
// then, and the caller rewrites the files (`LoadConfiguration` does so as its last step).
bool LoadMonitorData(Monitors& monitors, Settings& settings, const std::string& dataPath);

}  // namespace lenvari
