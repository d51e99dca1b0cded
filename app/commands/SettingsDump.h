#pragma once
// The two-page dump of the settings and the chart state on the console (Ctrl+W), for service
// and support.

#include <string>

#include "app/loop/ProgramContext.h"
#include "platform/qtgui/DesktopPixels.h"

namespace lenvari {

// What the dump shows beside the state: the run time so far and the desktop as the operating
// system reports it.
struct DumpEnvironment {
  double runMinutes = 0;
  VirtualDesktop desktop;
  int displayMonitors = 0;
  std::string buildDate;
  std::string buildTime;
};

// The lines of the first page (build stamp, " Current Settings" and its values) and of the
// second page (its values and one line per monitor), each line ended by "\n".
std::string SettingsDumpFirstPage(const State& state, const DumpEnvironment& environment);
std::string SettingsDumpSecondPage(const State& state, const DumpEnvironment& environment);

// Prints the first page, waits for a key, prints the second page and waits for a key again.
// The keys are not carried out; the chart is not redrawn.
void ShowSettingsDump(ProgramContext& context);

}  // namespace lenvari
