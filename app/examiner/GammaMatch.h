#pragma once
// The display's gamma matched by eye on the patient monitor (the configuration's Match Gamma).

#include "app/loop/ProgramContext.h"

namespace lenvari {

// The match screen in the chart window, from the stored gamma (or 2.2), until Enter keeps the
// gamma tried or Escape leaves everything as it was. Kept, it is the display's gamma at once
// (the readouts and the luminance-true drawing follow it); the caller saves the display options
// and draws the chart again.
void RunGammaMatch(ProgramContext& context);

}  // namespace lenvari
