#pragma once
// The contrast ladder the quick keys walk, as `Foreground` values: 0, the monitor's accessible
// level (100 - AccessibleContrast), then 50, 60, 70, 80, 90, 95, 97.

#include "store/ChartState.h"

namespace lenvari {

// Low-contrast test key: full contrast <-> the accessible level. Sets `Background` to 100.
void ToggleLowContrast(ChartState& chart, int accessibleContrast);
// One rung lower contrast (a higher `Foreground`); the top of the ladder stays.
void LowerContrast(ChartState& chart, int accessibleContrast);
// One rung higher contrast; 50 % jumps back to full contrast.
void HigherContrast(ChartState& chart);

}  // namespace lenvari
