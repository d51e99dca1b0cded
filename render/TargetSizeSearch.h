#pragma once
// Entering the cross-cylinder or Worth dot target picks the letter size that gives the
// configured dot size.

#include "store/ChartState.h"
#include "store/LetterSets.h"

namespace lenvari {

// Looks for `targetSize` (a Snellen denominator) among the sizes of the current letter-set file.
// A match becomes `SizeNow`. Otherwise, when the value lies between 10 and the file's largest
// size, it becomes the custom size of every file and `SizeNow` is 0; else nothing changes.
void SearchTargetSize(ChartState& chart, LetterSets& letters, int targetSize);

}  // namespace lenvari
