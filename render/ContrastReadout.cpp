#include "render/ContrastReadout.h"

#include <algorithm>
#include <cmath>

namespace lenvari {

double SrgbLuminance(int value) {
  const double v = std::clamp(value, 0, 255) / 255.0;
  return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double DrawnWeberContrast(int foreground) {
  const int grey = std::clamp(foreground, 0, 100) * 255 / 100;  // as the chart draws it
  return 100 * (1 - SrgbLuminance(grey));
}

}  // namespace lenvari
