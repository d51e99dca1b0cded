#include "common/NumberText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace lenvari {

long long RoundHalfEven(double value) {
  if (!std::isfinite(value)) return 0;
  constexpr double limit = 9.2e18;
  if (value > limit) return std::numeric_limits<long long>::max();
  if (value < -limit) return std::numeric_limits<long long>::min();
  return static_cast<long long>(std::nearbyint(value));  // default rounding mode: ties to even
}

double RoundToHundredths(double value) {
  return static_cast<double>(RoundHalfEven(value * 100.0)) / 100.0;
}

std::string ShortestNumber(double value) {
  if (!std::isfinite(value)) return "0";
  // Single precision carries seven significant digits; print at that precision and let %g
  // drop trailing zeros, then spell out exponents the way a plain number reads.
  const float single = static_cast<float>(value);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.7g", static_cast<double>(single));
  std::string text = buffer;
  if (text.find('e') != std::string::npos) {
    std::snprintf(buffer, sizeof buffer, "%.7f", static_cast<double>(single));
    text = buffer;
    if (text.find('.') != std::string::npos) {
      while (!text.empty() && text.back() == '0') text.pop_back();
      if (!text.empty() && text.back() == '.') text.pop_back();
    }
  }
  if (text == "-0") text = "0";
  return text;
}

std::string NumberText(double value) {
  std::string text = ShortestNumber(value);
  return text[0] == '-' ? text : " " + text;
}

double LeadingNumber(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  size_t start = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  size_t digits = 0;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
  }
  if (digits == 0) return 0.0;
  size_t end = i;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) {
      while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) ++j;
      end = j;
    }
  }
  const std::string number = text.substr(start, end - start);
  const double value = std::strtod(number.c_str(), nullptr);
  return std::isfinite(value) ? value : 0.0;
}

std::string FormatWithMask(double value, const std::string& mask) {
  const size_t point = mask.find('.');
  const int decimals = point == std::string::npos ? 0 : static_cast<int>(mask.size() - point - 1);
  const double scale = std::pow(10.0, decimals);
  const double rounded = static_cast<double>(RoundHalfEven(value * scale)) / scale;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, rounded);
  std::string text = buffer;
  if (text.size() > mask.size()) return "%" + text;
  return std::string(mask.size() - text.size(), ' ') + text;
}

std::string TrimBlanks(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  const size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

}  // namespace lenvari
