#include "platform/ConsoleHost.h"

namespace lenvari {

std::string ExpandConsoleText(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size()) {
      const char next = text[i + 1];
      if (next == 'n' || next == 'e') {
        out += '\n';
        ++i;
        continue;
      }
      if (next == 't') {
        out += '\t';
        ++i;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

}  // namespace lenvari
