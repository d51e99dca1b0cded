#include "app/MonitorCountCheck.h"

#include "platform/ConsoleHost.h"

namespace lenvari {

bool CheckMonitorCount(Monitors& monitors, ConsoleHost& host) {
  if (monitors.NumberOfMonitors >= monitors.CurrentMonitor && monitors.CurrentMonitor >= 1)
    return false;
  monitors.CurrentMonitor = 1;
  host.ConsoleMessageBox(
      "It appears that the number of installed monitors has changed,\\n\\n"
      "Reverting to the Primary Monitor.",
      kMbIconExclamation, "Monitor Not Detected!");
  return true;
}

}  // namespace lenvari
