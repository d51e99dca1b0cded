#include "render/ContrastReadout.h"

#include <algorithm>
#include <cmath>

#include "platform/TransferCurve.h"

namespace lenvari {

double SrgbLuminance(int value) {
  const double v = std::clamp(value, 0, 255) / 255.0;
  return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double DrawnWeberContrast(int foreground, const DisplayOptions& display) {
  const double light = ForegroundLight(foreground, display);
  if (light >= 0) return 100 * (1 - DitheredLight(DitherLight(light, display.DisplayGamma), display.DisplayGamma));
  const int grey = std::clamp(foreground, 0, 100) * 255 / 100;  // as the chart draws it
  return 100 * (1 - DisplayLight(grey, display.DisplayGamma));
}

double ForegroundLight(int foreground, const DisplayOptions& display) {
  if (display.LuminanceContrast != 1 || foreground <= 0 || foreground >= 100) return -1;
  return foreground / 100.0;  // (1 - c/100) of white's, c = 100 - Foreground
}

}  // namespace lenvari
