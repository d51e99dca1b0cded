#include "store/ValueWriter.h"

#include "common/NumberText.h"

namespace lenvari {

std::string IntegerValue(long long value) {
  // Appended piece by piece: a prepended blank makes GCC 12's optimiser report a false overlap.
  std::string text;
  if (value >= 0) text += ' ';
  text += std::to_string(value);
  text += ' ';
  return text;
}

std::string RealValue(double value) { return NumberText(value) + " "; }

std::string TimerDelayValue(double value) { return FormatWithMask(value, "###.#"); }

std::string LineText(const std::string& text) {
  const bool quoted = text.starts_with(' ') || text.starts_with('"');
  std::string line = quoted ? "\"" : "";
  for (char c : text)
    if (c != '\r' && c != '\n' && !(quoted && c == '"')) line += c;
  if (quoted) line += '"';
  return line;
}

void AppendLine(std::string& out, const std::string& text) {
  out += text;
  out += "\r\n";
}

void AppendSetting(std::string& out, const std::string& key, const std::string& value) {
  AppendLine(out, key);
  AppendLine(out, value);
}

}  // namespace lenvari
