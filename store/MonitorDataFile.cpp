#include "store/MonitorDataFile.h"

#include <algorithm>
#include <filesystem>

#include "store/DataFolder.h"
#include "store/FieldReader.h"
#include "store/ValueWriter.h"

namespace lenvari {
namespace {

constexpr const char* kMonitorDataFile = "lvmonitordata.cfg";

bool ReadInteger(FieldReader& reader, int& value) {
  double number = 0;
  const bool read = ReadNumberField(reader, number);
  value = IntegerOf(number);
  return read;
}

}  // namespace

std::string MonitorDataText(Monitors& monitors, const Settings& settings,
                            bool refreshSavedRectangles) {
  monitors.MonitorRecordCount = std::max(monitors.MonitorRecordCount, monitors.NumberOfMonitors);
  std::string text;
  AppendLine(text, IntegerValue(monitors.CurrentMonitor));
  AppendLine(text, IntegerValue(monitors.MonitorRecordCount));
  for (int n = 1; n <= kMaxMonitors; ++n) {
    for (int side = 1; side <= 4; ++side) {
      if (refreshSavedRectangles) monitors.SavedMonitorRect[n][side] = monitors.MonitorRect[n][side];
      AppendLine(text, IntegerValue(monitors.SavedMonitorRect[n][side]));
    }
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
                     bool refreshSavedRectangles) {
  const std::string text = MonitorDataText(monitors, settings, refreshSavedRectangles);
  return WriteFileAtomically(ResolveDataFile(dataPath, kMonitorDataFile), text);
}

bool LoadMonitorData(Monitors& monitors, Settings& settings, const std::string& dataPath) {
  const std::string path = ResolveDataFile(dataPath, kMonitorDataFile);
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return true;
  const std::optional<std::string> text = ReadWholeFile(path);
  if (text && ReadMonitorDataText(monitors, settings, *text)) return true;
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
