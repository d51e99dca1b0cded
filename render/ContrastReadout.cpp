#include "render/ContrastReadout.h"

#include <algorithm>

#include "platform/TransferCurve.h"

namespace lenvari {

double DrawnWeberContrast(int foreground, const DisplayOptions& display) {
  const double light = ForegroundLight(foreground, display);
  const double gamma = display.DisplayGamma;
  if (light >= 0) return 100 * (1 - DitheredLight(DitherLight(light, gamma), gamma));
  const int grey = std::clamp(foreground, 0, 100) * 255 / 100;  // as the chart draws it
  return 100 * (1 - DisplayLight(grey, gamma));
}

double ForegroundLight(int foreground, const DisplayOptions& display) {
  if (display.LuminanceContrast != 1 || foreground <= 0 || foreground >= 100) return -1;
  return foreground / 100.0;  // (1 - c/100) of white's, c = 100 - Foreground
}

}  // namespace lenvari
