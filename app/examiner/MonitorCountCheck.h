#pragma once
// The start's check that the stored patient monitor is still attached.

#include "store/Monitors.h"

namespace lenvari {

class ConsoleBoxes;

// Reverts to monitor 1 with a message when the stored patient monitor is no longer attached.
// True when it reverted.
bool CheckMonitorCount(Monitors& monitors, ConsoleBoxes& boxes);

}  // namespace lenvari
