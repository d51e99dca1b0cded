#pragma once
// The test distance as the calibration dialog reads and writes it: a number, a blank and the
// unit word "feet" or "meters" (" 20 feet").

#include <optional>
#include <string>

namespace lenvari {

extern const char kDistanceRangeMessage[];

// "feet" or "meters" when the text ends in that word (letter case counts), else "".
std::string DistanceUnit(const std::string& distance);

// What the examiner typed into a distance box: a number alone ("6", "3.5", or "3,5" with the
// decimal comma), or a number followed by a unit word ("6 meters", "20 ft", "6 m"; "feet",
// "foot", "ft", "meters", "meter", "metres", "metre", "m" in any letter case, a blank between
// or not). `unit` is "feet", "meters" or "" when none was typed. Anything else is no distance.
struct TypedDistanceEntry {
  double value = 0;
  std::string unit;
};
std::optional<TypedDistanceEntry> ReadTypedDistance(const std::string& typed);

// A number in its shortest decimal form, at most 15 significant digits, no blanks ("12.5").
std::string DistanceNumberText(double value);

// Whether the dialog accepts the value with the unit: 1 to 40 feet, 0.3 to 12 meters, both
// inclusive; without a unit any distance above 0.
bool DistanceAcceptable(double value, const std::string& unit);

// The stored form: the number with a leading blank when not negative, a blank, the unit.
std::string DistanceText(double value, const std::string& unit);

}  // namespace lenvari
