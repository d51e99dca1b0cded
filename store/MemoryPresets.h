#pragma once
// Recalling and storing memory presets, and the temporary copy of the chart state kept while
// a special target takes the screen over.

#include <functional>
#include <string>

#include "store/PresetAction.h"
#include "store/State.h"

namespace lenvari {

// Recall copies preset n into the chart state and sets `ShowMemoryNumber`; it does not
// draw. Store stores the chart state into preset n, saves every settings file
// (`SaveConfiguration`) and then calls `afterStore`, where the application draws the chart
// and builds the preset's gallery thumbnail. A preset number outside 1 .. 36 becomes 1 first,
// in the caller's variable too (callers pass `CurrentMemory`).
void MemoryPreset(State& state, PresetAction action, int& n,
                  const std::function<void()>& afterStore = {});

// Save copies chart-state fields 0 .. 12 into `TempState` and saves every settings
// file; Restore copies them back in field order, so the custom size goes to the letter-set
// file that is current before the file number is restored. `ShowMemoryNumber` is untouched.
void TempStateCopy(State& state, TempCopy action);

}  // namespace lenvari
