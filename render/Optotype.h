#pragma once
// The glyph renderer: every optotype, the size-label digits and the pointer arrow are drawn
// from built-in outlines, never from a font.

#include <random>
#include <string>

#include "common/Colour.h"
#include "store/ChartMode.h"

namespace lenvari {

class Canvas;
struct OptotypeShapes;  // the glyph table, built once at start by LoadOptotypeShapes()

// Draws glyph `key` centred at (x, y) in canvas units at Snellen size `size`: the glyph is
// 5 x size units high. `mirror` is Mirror(m) (+1 direct view, -1 mirrored room); glyphs that
// are not left-right symmetric have their x coordinates multiplied by it.
// In `mode` TumblingE an "E", and in LandoltC a "C", get a random orientation that never
// repeats `lastDirection`; `key` then becomes "L", "U", "R" or "D", naming what the patient
// sees. A key outside the table draws nothing and is left unchanged.
void DrawOptotype(Canvas& canvas, const OptotypeShapes& shapes, std::string& key, Colour colour,
                  double x, double y, double size, int mirror, ChartMode mode,
                  int& lastDirection, std::mt19937& random);

}  // namespace lenvari
