#pragma once
// The fixed colours of the chart frame and the ones derived from settings.

#include <string>

#include "common/Colour.h"

namespace lenvari {

constexpr Colour kPureRed = RgbColour(255, 0, 0);
constexpr Colour kPureGreen = RgbColour(0, 255, 0);
constexpr Colour kPureBlue = RgbColour(0, 0, 255);

// The optotype grey for a `Foreground` percentage: floor(Foreground x 255 / 100) on all three
// channels, so 97 gives 247 (3 % contrast on white). Values outside 0 .. 100 are held to it.
Colour ForegroundColorOf(int foreground);

// The size-label colour named by `LabelColor`; an empty or unknown name is blue.
Colour LabelColourOf(const std::string& labelColor);

}  // namespace lenvari
