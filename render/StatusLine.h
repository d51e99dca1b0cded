#pragma once
// The line of small print at the bottom of the letter chart: file, set, contrast and memory.

#include <string>

namespace lenvari {

class Canvas;
struct State;

// "  ETDRS Standard (file # 6, set # 1)     contrast= 100   Memory: N/A", with the custom-size
// and single-letter variants.
std::string StatusLineText(const State& state);

// Prints the status line centred near the bottom edge, when the monitor shows it and the mode
// is not Arrow.
void DrawStatusLine(const State& state, Canvas& canvas);

}  // namespace lenvari
