#pragma once
// Start-up: from launch to the input loop.

#include "app/loop/ProgramContext.h"

namespace lenvari {

// Runs the start-up sequence and the input loop; returns only by a ProgramEnd (thrown).
[[noreturn]] void RunProgram(ProgramContext& context);

// Steps up to opening the chart window and recalling preset 1, without the loop (for tests).
void StartUp(ProgramContext& context);

// Fills the monitor tables from the desktop: at most ten monitors in desktop order.
void EnumerateMonitors(Monitors& monitors, ScreenRecords& screens);

}  // namespace lenvari
