#pragma once
// The fixation-disparity cross: four bars, two per eye, around an optional fusion lock.

namespace lenvari {

class Canvas;
struct State;

// Fixed size in chart units whatever the letter size: bars 75 wide from 150 to 750 out.
void DrawFixationDisparity(const State& state, Canvas& canvas);

}  // namespace lenvari
