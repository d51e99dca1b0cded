#include "store/ValueWriter.h"

#include "common/NumberText.h"

namespace lenvari {

std::string IntegerValue(long long value) {
  return (value < 0 ? std::to_string(value) : " " + std::to_string(value)) + " ";
}

std::string RealValue(double value) { return NumberText(value) + " "; }

std::string TimerDelayValue(double value) { return FormatWithMask(value, "###.#"); }

void AppendLine(std::string& out, const std::string& text) {
  out += text;
  out += "\r\n";
}

void AppendSetting(std::string& out, const std::string& key, const std::string& value) {
  AppendLine(out, key);
  AppendLine(out, value);
}

}  // namespace lenvari
