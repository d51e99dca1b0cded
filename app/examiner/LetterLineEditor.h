#pragma once
// Retyping the letters of the line in view.

#include <functional>
#include <string>

#include "store/SaveFailures.h"

#include "platform/ConsoleBoxes.h"
#include "store/ChartState.h"
#include "store/LetterSets.h"

namespace lenvari {

// The console's one-line input box: the text typed, "" when cancelled.
std::string AskText(ConsoleBoxes& boxes, const std::string& prompt, const std::string& title,
                    const std::string& defaultText);

// The characters of `answer` a letter line can hold, in their order, at most ten.
std::string AllowedLetterLine(const std::string& answer);

// Asks for new letters for `LetterLines`(`LetterSetFileNum`, `LetterSet`, `SizeNow`). Keeps
// the allowed characters, at most ten; with none left shows "Invalid Entry" and changes
// nothing. Otherwise stores the line, saves all letter-set files and calls `drawChart`.
// Row 0 keeps its letters until the files are next loaded. True when the line changed. A
// file that could not be saved is noted in `failures`.
bool EditLetterLine(LetterSets& letters, const ChartState& chart, const std::string& dataPath,
                    ConsoleBoxes& boxes, const std::function<void()>& drawChart = {},
                    SaveFailures* failures = nullptr);

}  // namespace lenvari
