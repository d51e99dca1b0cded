#pragma once
// The test distance as the calibration dialog reads and writes it: a number, a blank and the
// unit word "feet" or "meters" (" 20 feet").

#include <string>

namespace lenvari {

extern const char kDistanceRangeMessage[];

// "feet" or "meters" when the text ends in that word (letter case counts), else "".
std::string DistanceUnit(const std::string& distance);

// A number in its shortest decimal form, at most 15 significant digits, no blanks ("12.5").
std::string DistanceNumberText(double value);

// Whether the dialog accepts the value with the unit: 1 to 40 feet, 0.3 to 12 meters, both
// inclusive; without a unit any distance above 0.
bool DistanceAcceptable(double value, const std::string& unit);

// The stored form: the number with a leading blank when not negative, a blank, the unit.
std::string DistanceText(double value, const std::string& unit);

}  // namespace lenvari
