#include "dialogs/CalibrationDistance.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "common/TextCase.h"

namespace lenvari {

const char kDistanceRangeMessage[] =
    "You must enter a valid optical distance (between 1 and 40 feet or 0.3 and 12 meters)";

namespace {

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::optional<TypedDistanceEntry> ReadTypedDistance(const std::string& typed) {
  const std::string text = Trimmed(typed);
  size_t end = 0;
  int digits = 0, separators = 0;
  std::string number;
  for (; end < text.size(); ++end) {
    const char c = text[end];
    if (std::isdigit(static_cast<unsigned char>(c))) {
      ++digits;
      number += c;
    } else if ((c == '.' || c == ',') && separators == 0) {
      ++separators;
      number += '.';
    } else {
      break;
    }
  }
  if (digits == 0) return std::nullopt;
  TypedDistanceEntry entry;
  entry.value = std::strtod(number.c_str(), nullptr);
  const std::string word = LowerCase(Trimmed(text.substr(end)));
  if (word == "feet" || word == "foot" || word == "ft") {
    entry.unit = "feet";
  } else if (word == "meters" || word == "meter" || word == "metres" || word == "metre" ||
             word == "m") {
    entry.unit = "meters";
  } else if (!word.empty()) {
    return std::nullopt;
  }
  return entry;
}

std::string DistanceUnit(const std::string& distance) {
  if (distance.ends_with("feet")) return "feet";
  if (distance.ends_with("meters")) return "meters";
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
