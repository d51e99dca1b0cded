#pragma once
// The content of the eleven letter-set files that a data folder starts with.

#include "store/LetterSets.h"

namespace lenvari {

// Fills the tables of letter-set file f (0 .. 10) from the built-in content, as loading the
// file would: name, sizes, sets, numerator, the size rows, row 0 as a copy of row 1, and
// `MaxColumns` as the longest line.
void FillBuiltInLetterSet(LetterSets& letters, int f);

}  // namespace lenvari
