#pragma once
// The examiner's small window that tells what the patient monitor shows ("k").

#include "app/ProgramContext.h"

namespace lenvari {

// Opens the monitor window at its stored place, showing the current `MonitorText`.
void OpenMonitorWindow(ProgramContext& context);
// Closes it; the chart window is the drawing target afterwards.
void CloseMonitorWindow(ProgramContext& context);

}  // namespace lenvari
