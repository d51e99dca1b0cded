#pragma once
// The letter-set files LV0.LET .. LV10.LET: the file's name, its size count, letter-set count
// and Snellen numerator, then one record per size, the largest first: the denominator and
// the letter lines.

#include <string>
#include <string_view>

#include "store/ChartState.h"
#include "store/LetterSets.h"
#include "store/SaveFailures.h"

namespace lenvari {

std::string LetterSetFileName(int f);  // "LV3.LET"

// The text of file f from the tables: the name line, " 13 , 3 , 20 ", then lines such as
// " 400 ,OZDVK,CRHDV,RKVSN".
std::string LetterSetFileText(const LetterSets& letters, int f);

// Reads the text of file f into its tables (row 0 a copy of row 1, `MaxColumns` the longest
// line, letter lines without blanks around them). False when the text ends early or declares
// fewer than 1 or more than 20 sizes, or fewer than 1 or more than 8 letter sets.
bool ReadLetterSetText(LetterSets& letters, int f, std::string_view text);

// Writes all eleven files, but not one that could not be read at start. False when any could
// not be written; each such file is noted in `failures`.
bool SaveLetterSets(const LetterSets& letters, const std::string& dataPath,
                    SaveFailures* failures = nullptr);

// Start-up load; `LetterSet` becomes 1. A file that exists but cannot be read gives the
// built-in content for this run and is left alone. When any file is missing or cannot be
// parsed, all the others are rebuilt from the built-in content and rewritten, each kept as a
// backup first unless it already holds that content. False when it rebuilt them.
bool LoadLetterSets(LetterSets& letters, ChartState& chart, const std::string& dataPath);

}  // namespace lenvari
