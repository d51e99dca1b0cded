#pragma once
// "lvmonitordata.cfg": the patient monitor in use and, for each of the ten monitors, its
// desktop rectangle when last stored, its calibration scales and its mirror flag.

#include <string>
#include <string_view>

#include "store/Monitors.h"
#include "store/Settings.h"

namespace lenvari {

// Makes monitor m's present desktop rectangle the one its calibration belongs to. Only a
// calibration and the check of a monitor just switched to do this: a monitor whose resolution
// changed since must still be seen as changed when the chart moves to it.
void StorePresentRectangle(Monitors& monitors, int m);

// The file's text: `CurrentMonitor`, the record count, then ten records of seven integer
// lines (left, top, right, bottom of `SavedMonitorRect`, `MasterScaleX`, `MasterScaleY`,
// `Mirror`). Raises `MonitorRecordCount` to `NumberOfMonitors` first. An attached monitor with
// scales but no stored rectangle stores its present one.
std::string MonitorDataText(Monitors& monitors, const Settings& settings);

// Reads the file's text: `CurrentMonitor` (a number outside 1 .. 10 reads as 1), the record
// count (held within 0 .. 10), then that many records, whose rectangles go to
// `SavedMonitorRect`. False when the text ends before the last value it declares.
bool ReadMonitorDataText(Monitors& monitors, Settings& settings, std::string_view text);

// Writes the file through `MonitorDataText`. False when the file could not be written, in
// which case the previous file is unchanged.
// A file that could not be read at start is left as it is (true).
bool SaveMonitorData(Monitors& monitors, const Settings& settings, const std::string& dataPath,
                     std::string* reason = nullptr);

// Reads the file. A missing file changes nothing (the scales stay 0, so calibration will be
// asked for). A file that exists but cannot be read changes nothing either and is noted in
// `DataFileUnreadable`, so no save replaces it. A file that cannot be parsed whole is kept as a backup (`KeepBackup`) and the
// scales of the monitors present are set to 0 and their mirror flags to 1; it returns false
// then, and the caller rewrites the files (`LoadConfiguration` does so as its last step).
bool LoadMonitorData(Monitors& monitors, Settings& settings, const std::string& dataPath);

}  // namespace lenvari
