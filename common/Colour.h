#pragma once
// Colours are stored as 0x00BBGGRR, red in the low byte, in memory and in the settings files.

#include <cstdint>

namespace lenvari {

using Colour = std::uint32_t;

constexpr Colour RgbColour(int red, int green, int blue) {
  return static_cast<Colour>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr Colour GreyColour(int level) { return RgbColour(level, level, level); }

constexpr Colour kBlack = RgbColour(0, 0, 0);
constexpr Colour kWhite = RgbColour(255, 255, 255);

}  // namespace lenvari
