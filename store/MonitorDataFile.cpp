#include "store/MonitorDataFile.h"

#include <algorithm>
#include <filesystem>

#include "store/DataFolder.h"
#include "store/FieldReader.h"
#include "store/ValueWriter.h"

namespace lenvari {
namespace {

constexpr const char* kMonitorDataFile = "lvmonitordata.cfg";

// Coordinates and scales far beyond any desktop are held within the stored-integer range, so
// the size and scale arithmetic on them cannot overflow.
bool ReadInteger(FieldReader& reader, int& value) {
  double number = 0;
  const bool read = ReadNumberField(reader, number);
  value = StoredInteger(IntegerOf(number));
  return read;
}

}  // namespace

bool HasStoredRectangle(const Monitors& monitors, int m) {
  const MonitorRectangle& saved = monitors.SavedMonitorRect[m];
  return saved[1] != 0 || saved[2] != 0 || saved[3] != 0 || saved[4] != 0;
}

void StorePresentRectangle(Monitors& monitors, int m) {
  if (m < 1 || m > kMaxMonitors) return;
  monitors.SavedMonitorRect[m] = monitors.MonitorRect[m];
}

std::string MonitorDataText(Monitors& monitors, const Settings& settings) {
  monitors.MonitorRecordCount = std::max(monitors.MonitorRecordCount, monitors.NumberOfMonitors);
  std::string text;
  AppendLine(text, IntegerValue(monitors.CurrentMonitor));
  AppendLine(text, IntegerValue(monitors.MonitorRecordCount));
  for (int n = 1; n <= kMaxMonitors; ++n) {
    // Scales that arrived without the rectangle they were measured at belong to the present one.
    const bool calibrated = monitors.MasterScaleX[n] >= 10 && monitors.MasterScaleY[n] >= 10;
    if (calibrated && !HasStoredRectangle(monitors, n) && n <= monitors.NumberOfMonitors)
      StorePresentRectangle(monitors, n);
    for (int side = 1; side <= 4; ++side)
      AppendLine(text, IntegerValue(monitors.SavedMonitorRect[n][side]));
    AppendLine(text, IntegerValue(monitors.MasterScaleX[n]));
    AppendLine(text, IntegerValue(monitors.MasterScaleY[n]));
    AppendLine(text, IntegerValue(settings.Mirror[n]));
  }
  return text;
}

bool ReadMonitorDataText(Monitors& monitors, Settings& settings, std::string_view text) {
  FieldReader reader{text};
  int current = 0;
  if (!ReadInteger(reader, current)) return false;
  // Every per-monitor table is indexed by this number.
  monitors.CurrentMonitor = current >= 1 && current <= kMaxMonitors ? current : 1;
  int count = 0;
  if (!ReadInteger(reader, count)) return false;
  // The tables hold ten monitors; a larger count reads the ten there are.
  monitors.MonitorRecordCount = std::clamp(count, 0, kMaxMonitors);
  for (int n = 1; n <= monitors.MonitorRecordCount; ++n) {
    for (int side = 1; side <= 4; ++side) {
      if (!ReadInteger(reader, monitors.SavedMonitorRect[n][side])) return false;
    }
    if (!ReadInteger(reader, monitors.MasterScaleX[n])) return false;
    if (!ReadInteger(reader, monitors.MasterScaleY[n])) return false;
    if (!ReadInteger(reader, settings.Mirror[n])) return false;
  }
  return true;
}

bool SaveMonitorData(Monitors& monitors, const Settings& settings, const std::string& dataPath,
                     std::string* reason) {
  const std::string text = MonitorDataText(monitors, settings);
  // The calibrations in a file that could not be read are still in it.
  if (!monitors.DataFileUnreadable.empty()) return true;
  return WriteFileAtomically(ResolveDataFile(dataPath, kMonitorDataFile), text, reason);
}

bool LoadMonitorData(Monitors& monitors, Settings& settings, const std::string& dataPath) {
  const std::string path = ResolveDataFile(dataPath, kMonitorDataFile);
  const FileRead read = ReadDataFile(path);
  monitors.DataFileUnreadable.clear();
  if (read.status == FileRead::Status::Missing) return true;
  if (read.status == FileRead::Status::Unreadable) {
    // Uncalibrated in memory for this run; the file keeps its calibrations for the next.
    monitors.DataFileUnreadable = read.reason;
    return false;
  }
  if (ReadMonitorDataText(monitors, settings, read.bytes)) return true;
  // The calibrations in it are lost to the program; the copy lets them be recovered by hand.
  KeepBackup(path);
  for (int n = 1; n <= std::min(monitors.NumberOfMonitors, kMaxMonitors); ++n) {
    monitors.MasterScaleX[n] = 0;
    monitors.MasterScaleY[n] = 0;
    settings.Mirror[n] = 1;
  }
  return false;
}

}  // namespace lenvari
