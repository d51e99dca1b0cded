#pragma once
// The input loop: one input per pass, looked up in the quick-key table, the chart redrawn when
// a row asks for it. It only ends by ending the program.

#include <string>

#include "app/loop/ProgramContext.h"

namespace lenvari {

// Runs the loop entry and then the passes, until the program ends (a ProgramEnd is thrown).
[[noreturn]] void RunInputLoop(ProgramContext& context);

// One pass of the loop with a given input (the wait already done).
void RunOnePass(ProgramContext& context, const std::string& input);

// "Do you want to exit?": Yes ends the program with exit code 0.
void ExitConfirmation(ProgramContext& context);

}  // namespace lenvari
