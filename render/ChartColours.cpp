#include "render/ChartColours.h"

#include <algorithm>

namespace lenvari {

Colour ForegroundColorOf(int foreground) {
  const int percent = std::clamp(foreground, 0, 100);
  return GreyColour(percent * 255 / 100);
}

Colour LabelColourOf(const std::string& labelColor) {
  if (labelColor == "Red") return kPureRed;
  if (labelColor == "Green") return kPureGreen;
  if (labelColor == "Gray") return RgbColour(128, 128, 128);
  if (labelColor == "Black") return kBlack;
  if (labelColor == "White") return kWhite;
  if (labelColor == "Yellow") return RgbColour(255, 255, 0);
  if (labelColor == "Cyan") return RgbColour(0, 255, 255);
  return kPureBlue;
}

}  // namespace lenvari
