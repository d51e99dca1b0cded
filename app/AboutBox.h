#pragma once
// The About box shown once as the input loop starts.

#include <string>

#include "app/ProgramContext.h"

namespace lenvari {

// The box's text, with the console host's line-break and tab sequences.
std::string AboutText(const std::string& version);

// Shows the box for a short while or until a key; a space typed before it skips it. A scripted
// run shows it without waiting.
void ShowAboutBox(ProgramContext& context);

}  // namespace lenvari
