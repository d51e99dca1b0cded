#include "app/LoopEntry.h"

#include "app/ChartDisplay.h"
#include "app/Clock.h"

namespace lenvari {

void RunLoopEntry(ProgramContext& context) {
  context.console.ConsoleTopMost(1);
  context.state.chart.StartTime = SecondsSinceMidnight();
  DrawChartFrame(context);
}

void PlayClickIfWanted(ProgramContext&) {}

}  // namespace lenvari
