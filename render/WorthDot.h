#pragma once
// The Worth dichoptic tests: four dots in a diamond or three in a column, on black.

namespace lenvari {

class Canvas;
struct State;

// Red for one eye, green (or blue for red/blue glasses) for the other, white for both.
void DrawWorthDot(const State& state, Canvas& canvas);

}  // namespace lenvari
