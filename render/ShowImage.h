#pragma once
// A picture from the data folder, fitted into a box of the chart.

#include <string>

namespace lenvari {

class Canvas;
struct State;

// Draws "<name>.bmp" of the data folder into the box (x1, y1)-(x2, y2), chart units, keeping
// its aspect ratio: it fills the box in one direction and is centred in the other. Mirrored in
// a mirrored room. A missing or unreadable file draws nothing.
void ShowImage(const State& state, Canvas& canvas, const std::string& name, int x1, int y1, int x2,
               int y2);

}  // namespace lenvari
