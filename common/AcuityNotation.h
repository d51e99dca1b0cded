#pragma once
// Conversion of an acuity text between 20-foot fractions, 6-metre fractions and decimal values.

#include <string>

namespace lenvari {

// `base` 20 gives a 20-foot fraction, 6 a 6-metre fraction, anything else a decimal value.
// A zero or non-numeric value cannot be converted and comes back unchanged.
std::string ConvertAcuity(const std::string& acuity, int base);

}  // namespace lenvari
