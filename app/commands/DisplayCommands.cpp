#include "app/commands/DisplayCommands.h"

#include "app/loop/ChartDisplay.h"
#include "app/commands/ShutterKeys.h"
#include "render/TargetShapes.h"
#include "store/MemoryPresets.h"

namespace lenvari {

void SleepMode(ProgramContext& context) {
  if (!context.chartCanvas) return;
  FillWholeCanvas(*context.chartCanvas, kBlack);
  PresentChart(context);
}

bool AstigmaticDialKey(ProgramContext& context) {
  State& state = context.state;
  if (state.chart.Mode != ChartMode::AstigmaticClockDial) {
    state.chart.Mode = ChartMode::AstigmaticClockDial;
    return true;
  }
  // "a" on the dial redraws it once. Drawing the dial clears the mask and the red/green
  // overlay either way; the temporary copy is still taken, as the commands that read it expect.
  TempStateCopy(state, TempCopy::Save);
  DrawChartFrame(context);
  return false;
}

void PointerCommand(ProgramContext& context) {
  PointerKey(context.state.chart);
  DrawChartFrame(context);
}

}  // namespace lenvari
