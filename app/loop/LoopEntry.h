#pragma once
// What the input loop does once before its first pass, and the per-pass click sound.

#include "app/loop/ProgramContext.h"

namespace lenvari {

// Console on top, the About box, the start time, the menu bar, the calibration check and the
// virtual remote; then the first frame is drawn.
void RunLoopEntry(ProgramContext& context);

// The click sound of an accepted input, when audio alerts are on.
void PlayClickIfWanted(ProgramContext& context);

}  // namespace lenvari
