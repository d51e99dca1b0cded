#pragma once
// The letter chart: rows of optotypes under the shutters, gradient, mask, pointer, contrast,
// red/green and mirror settings.

#include "common/Colour.h"

namespace lenvari {

class Canvas;
struct State;
struct OptotypeShapes;

// Lays out and draws the rows of the current letter-set file, background included, and
// rebuilds `MonitorText`. Clamps `VShutter`, `HShutter` and `PointerMode` to what fit, sets
// `RowsShown` and clears `RandomFlag`.
void DrawLetterChart(State& state, const OptotypeShapes& shapes, Canvas& canvas,
                     Colour foregroundColor);

}  // namespace lenvari
