#pragma once
// The cross-cylinder dot target ("shower drain"): a letter-height dot with rings of 6 and 12.

#include "common/Colour.h"

namespace lenvari {

class Canvas;
struct State;

// Clears mask and red/green, then draws 1 + 6 + 12 dots of diameter 5 D on white, in the
// optotype colour, on rings of radius 1.9 d and 1.9 x 1.9 d.
void DrawJacksonCross(State& state, Canvas& canvas, Colour foregroundColor);

}  // namespace lenvari
