#pragma once
// The strong-light spot: one white letter-height disc on black.

namespace lenvari {

class Canvas;
struct State;

void DrawStrongLight(const State& state, Canvas& canvas);

}  // namespace lenvari
