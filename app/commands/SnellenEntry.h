#pragma once
// Typing a Snellen denominator ("4", "0", Enter) to jump straight to that size, or to make it
// the custom size when the letter-set file has no such size.

#include <string>

#include "app/loop/ProgramContext.h"
#include "store/ChartState.h"
#include "store/LetterSets.h"

namespace lenvari {

enum class SnellenEntryStep { Append, Apply, Cancel };

// What the next input does to an entry holding `buffer`: a digit or "." is appended, Enter
// applies, and so does any input once four characters are held; anything else cancels.
SnellenEntryStep NextSnellenEntryStep(const std::string& buffer, const std::string& next);

// Applies the typed denominator: a size of the current file with exactly that denominator
// becomes `SizeNow`; otherwise a whole denominator from 10 up to the file's largest size
// becomes the custom size of every file, shown on one row without gradient. Anything else
// changes nothing.
void ApplySnellenEntry(ChartState& chart, LetterSets& letters, const std::string& buffer);

// The entry started by the digit `first`: waits for the next inputs (which are not dispatched)
// and draws the chart when the entry is applied.
void DirectSnellenEntry(ProgramContext& context, const std::string& first);

}  // namespace lenvari
