#pragma once
// The contrast a grey on white really has on the patient's screen. The contrast levels are
// named by their grey value, floor(Foreground x 255 / 100), but an sRGB display's light is not
// proportional to that value: grey 229 ("10 %") gives 79 % of white's light. With luminance-true
// contrast the letters are drawn at the level's light instead, dithered between two values.

#include "common/Colour.h"
#include "store/DisplayFile.h"

namespace lenvari {

// Weber contrast in percent, (L_white - L) / L_white, of `Foreground` drawn on white (L averaged
// over a dither cell), on a display with the options' curve.
double DrawnWeberContrast(int foreground, const DisplayOptions& display = {});

// The light (0 .. 1 of white's) the letters of `Foreground` are drawn at with luminance-true
// contrast, or below 0 when they are drawn as their grey (the option off, black, white).
double ForegroundLight(int foreground, const DisplayOptions& display);

}  // namespace lenvari
