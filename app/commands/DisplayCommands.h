#pragma once
// Quick keys that draw on the patient display themselves instead of asking for a redraw.

#include "app/loop/ProgramContext.h"

namespace lenvari {

// "z": the patient display goes black until the next key that redraws the chart.
void SleepMode(ProgramContext& context);

// "a": the clock dial; when it is already shown it is drawn again over a saved copy of the
// chart state, which is then restored. True when the pass must redraw the chart.
bool AstigmaticDialKey(ProgramContext& context);

// "u": shows the pointer or moves it on, and draws the chart at once.
void PointerCommand(ProgramContext& context);

}  // namespace lenvari
