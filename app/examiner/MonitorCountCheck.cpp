#include "app/examiner/MonitorCountCheck.h"

#include "platform/ConsoleHost.h"

namespace lenvari {

bool CheckMonitorCount(Monitors& monitors, ConsoleBoxes& boxes) {
  if (monitors.NumberOfMonitors >= monitors.CurrentMonitor && monitors.CurrentMonitor >= 1)
    return false;
  monitors.CurrentMonitor = 1;
  boxes.ConsoleMessageBox(
      "It appears that the number of installed monitors has changed,\\n\\n"
      "Reverting to the Primary Monitor.",
      kMbIconExclamation, "Monitor Not Detected!");
  return true;
}

}  // namespace lenvari
