#pragma once
// The astigmatic clock dial: twelve three-bar spokes around a white hub, with hour numbers.

#include "common/Colour.h"

namespace lenvari {

class Canvas;
struct State;
struct OptotypeShapes;

// Sized by the screen height alone. In a mirrored room the numbers run anticlockwise on the
// screen so that the mirror image reads like a clock; 12 stays on top.
void DrawClockDial(State& state, const OptotypeShapes& shapes, Canvas& canvas,
                   Colour foregroundColor);

}  // namespace lenvari
