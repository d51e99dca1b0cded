#include "app/LoopEntry.h"

#include "app/AboutBox.h"
#include "app/CalibrationCheck.h"
#include "app/ChartDisplay.h"
#include "app/Clock.h"
#include "app/ControlWindow.h"
#include "app/MenuDefinitions.h"
#include "app/VirtualRemote.h"

namespace lenvari {

void RunLoopEntry(ProgramContext& context) {
  context.console.ConsoleTopMost(1);
  ShowAboutBox(context);
  context.state.chart.StartTime = SecondsSinceMidnight();
  BuildMenus(context);
  if (!LoopEntryCalibrationCheck(context)) DrawChartFrame(context);
  ShowLiveStatus(context);
  if (context.state.settings.ShowVirtualRemote == 1) StartVirtualRemote(context);
}

void PlayClickIfWanted(ProgramContext& context) {
  if (context.state.settings.AudioAlert == 1) context.clickSound.Play();
}

}  // namespace lenvari
