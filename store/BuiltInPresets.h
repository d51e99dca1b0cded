#pragma once
// The 36 memory presets a monitor starts with.

#include "store/Presets.h"

namespace lenvari {

// Sets all 21 fields of preset n (1 .. 36) to the built-in preset n: fields 0 to 14 as
// tabled, field 8 empty except in preset 36, fields 15 to 20 empty.
void FillBuiltInPreset(Presets& presets, int n);

// Every preset from the built-in list.
void FillBuiltInPresets(Presets& presets);

}  // namespace lenvari
