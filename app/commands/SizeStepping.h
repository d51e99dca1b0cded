#pragma once
// Stepping the optotype size through the sizes of the current letter-set file, and out of the
// custom size to the nearest standard size.

#include "store/ChartState.h"
#include "store/LetterSets.h"

namespace lenvari {

// "+": one size larger; from the custom size, the smallest standard size larger than it.
void SizeUp(ChartState& chart, const LetterSets& letters);
// "-": one size smaller, at least 1; from the custom size, the largest standard size smaller
// than it (at least 1).
void SizeDown(ChartState& chart, const LetterSets& letters);
// PgUp / PgDn: as "+" / "-", but with the gradient on by as many sizes as there are rows shown.
void SizeUpByRows(ChartState& chart, const LetterSets& letters);
void SizeDownByRows(ChartState& chart, const LetterSets& letters);
// From the custom size up to the smallest standard size larger than it; a standard size stays.
void LeaveCustomSizeUpward(ChartState& chart, const LetterSets& letters);

}  // namespace lenvari
