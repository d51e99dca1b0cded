#pragma once

#include <cctype>
#include <string>

namespace lenvari {

// File names and typed unit words are matched without regard to letter case.
inline std::string LowerCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace lenvari
