#include "render/ContrastLadder.h"

namespace lenvari {

void ToggleLowContrast(ChartState& chart, int accessibleContrast) {
  chart.Background = 100;
  chart.Foreground = chart.Foreground != 0 ? 0 : 100 - accessibleContrast;
}

void LowerContrast(ChartState& chart, int accessibleContrast) {
  int& f = chart.Foreground;
  if (f == 0) {
    f = 100 - accessibleContrast;
  } else if (f >= 50 && f <= 80 && f % 10 == 0) {
    f += 10;
  } else if (f == 90) {
    f = 95;
  } else if (f == 95) {
    f = 97;
  }
}

void HigherContrast(ChartState& chart) {
  int& f = chart.Foreground;
  if (f == 50) {
    f = 0;
  } else if (f >= 60 && f <= 90 && f % 10 == 0) {
    f -= 10;
  } else if (f == 95) {
    f = 90;
  } else if (f == 97) {
    f = 95;
  }
}

}  // namespace lenvari
