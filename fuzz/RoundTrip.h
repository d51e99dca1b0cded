#pragma once
// What every harness checks besides "no crash": a text that was read, written and read again
// writes the same bytes, so a save followed by a start gives back the same data.

#include <cstdio>
#include <cstdlib>
#include <string>

namespace lenvari {

// The bytes around `at`, control and non-ASCII bytes as \xNN, so a report shows what differs.
inline std::string Around(const std::string& text, std::size_t at) {
  const std::size_t from = at < 80 ? 0 : at - 80;
  std::string shown;
  for (std::size_t i = from; i < text.size() && i < at + 80; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= 0x20 && c < 0x7f) {
      shown += static_cast<char>(c);
    } else {
      char code[8];
      std::snprintf(code, sizeof code, "\\x%02x", c);
      shown += code;
    }
  }
  return shown;
}

inline void ExpectSameText(const std::string& first, const std::string& second) {
  if (first == second) return;
  std::size_t at = 0;
  while (at < first.size() && at < second.size() && first[at] == second[at]) ++at;
  std::fprintf(stderr, "round trip changed the text at byte %zu:\n--- first\n%s\n--- second\n%s\n",
               at, Around(first, at).c_str(), Around(second, at).c_str());
  std::abort();
}

}  // namespace lenvari
