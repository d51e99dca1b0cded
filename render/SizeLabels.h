#pragma once
// The acuity labels in the lower left corner, one per row in gradient mode, and the status line.

#include <string>

namespace lenvari {

class Canvas;
struct State;
struct LetterSets;
struct OptotypeShapes;

// The label of size `s` in file `f` as the chart writes it, with the leading sign place:
// " 40" or " 20/40" (20- and 6-based notations), "00.50" (decimal; the first digit is the sign
// place). Only characters 2 .. last are drawn.
std::string SideLabelValue(const LetterSets& letters, int f, int s, int acuityBase,
                           int showTestDistance);

// Draws the size labels (never mirrored: the patient reads them directly, not in the mirror)
// and then the status line.
void DrawSizeLabels(State& state, const OptotypeShapes& shapes, Canvas& canvas);

}  // namespace lenvari
