#include "dialogs/CalibrationDistance.h"

#include <cstdio>

namespace lenvari {

const char kDistanceRangeMessage[] =
    "You must enter a valid optical distance (between 1 and 40 feet or 0.3 and 12 meters)";

namespace {

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

std::string DistanceUnit(const std::string& distance) {
  if (EndsWith(distance, "feet")) return "feet";
  if (EndsWith(distance, "meters")) return "meters";
  return "";
}

std::string DistanceNumberText(double value) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.15g", value);
  return buffer;
}

bool DistanceAcceptable(double value, const std::string& unit) {
  if (unit == "feet") return value >= 1 && value <= 40;
  if (unit == "meters") return value >= 0.3 && value <= 12;
  // Without a unit there is no range to check, but a distance of nothing (or an entry that is
  // no number) would leave the calibration without a target size.
  return value > 0;
}

std::string DistanceText(double value, const std::string& unit) {
  // Appended piece by piece: a prepended literal makes GCC 12's optimiser report a false overlap.
  std::string text = value < 0 ? "" : " ";
  text += DistanceNumberText(value);
  text += ' ';
  text += unit;
  return text;
}

}  // namespace lenvari
