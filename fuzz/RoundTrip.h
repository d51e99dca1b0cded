#pragma once
// What every harness checks besides "no crash": a text that was read, written and read again
// writes the same bytes, so a save followed by a start gives back the same data.

#include <cstdio>
#include <cstdlib>
#include <string>

namespace lenvari {

inline void ExpectSameText(const std::string& first, const std::string& second) {
  if (first == second) return;
  std::fprintf(stderr, "round trip changed the text:\n--- first\n%s\n--- second\n%s\n",
               first.c_str(), second.c_str());
  std::abort();
}

}  // namespace lenvari
