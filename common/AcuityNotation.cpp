#include "common/AcuityNotation.h"

#include "common/NumberText.h"

namespace lenvari {
namespace {

// The denominator text after every whole leading occurrence of the prefix.
double DenominatorAfter(std::string text, const std::string& prefix) {
  while (text.compare(0, prefix.size(), prefix) == 0) text.erase(0, prefix.size());
  return LeadingNumber(text);
}

std::string Fraction(const std::string& numerator, double denominator) {
  return numerator + "/" + ShortestNumber(RoundToHundredths(denominator));
}

}  // namespace

std::string ConvertAcuity(const std::string& acuity, int base) {
  const std::string head = acuity.substr(0, 2);
  if (head == "20") {
    if (base == 20) return acuity;
    const double d = DenominatorAfter(acuity, "20/");
    if (d == 0) return acuity;
    if (base == 6) return Fraction("6", d / 20 * 6);
    return ShortestNumber(RoundToHundredths(20 / d));
  }
  if (head == "6/") {
    if (base == 6) return acuity;
    const double d = DenominatorAfter(acuity, "6/");
    if (d == 0) return acuity;
    if (base == 20) return Fraction("20", d / 6 * 20);
    return ShortestNumber(RoundToHundredths(6 / d));
  }
  if (base == 1) return acuity;
  const double v = LeadingNumber(acuity);
  if (v == 0) return acuity;
  if (base == 20) return Fraction("20", 20 / v);
  return Fraction("6", 6 / v);
}

}  // namespace lenvari
