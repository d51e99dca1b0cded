#pragma once
// How numbers are written into the system's texts and read back from them.

#include <string>

namespace lenvari {

// Real-to-integer store: nearest integer, ties to even (2.5 -> 2, 3.5 -> 4).
long long RoundHalfEven(double value);

// Rounds to two decimals the way the acuity labels do: x * 100, ties to even, / 100.
double RoundToHundredths(double value);

// Shortest decimal text of a single-precision value: at most seven significant digits,
// a decimal point only when there is a fraction, no blanks ("12.5", "0.5", "-3", "40").
std::string ShortestNumber(double value);

// The number as the system writes it on screens and in value lines: the shortest form with
// one leading blank when it is not negative (" 40", "-1280", " 12.5").
std::string NumberText(double value);

// The numeric value of the leading number of a text: blanks before it are skipped, an
// optional sign, digits with at most one decimal point and an optional exponent.
// A text that does not begin with a number gives 0.
double LeadingNumber(const std::string& text);

// A numeric mask of '#' for digit positions and at most one '.', right-aligned in a field as
// wide as the mask, with as many decimals as the mask has '#' after the point
// ("###.#" writes 2 as "  2.0" and 1.25 as "  1.2"). A value too wide for the field is
// written whole, preceded by "%" as the mask convention has it.
std::string FormatWithMask(double value, const std::string& mask);

// Trims blanks from both ends.
std::string TrimBlanks(const std::string& text);

}  // namespace lenvari
