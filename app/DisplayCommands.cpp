#include "app/DisplayCommands.h"

#include "app/ChartDisplay.h"
#include "app/ShutterKeys.h"
#include "render/ChartColours.h"
#include "render/ClockDial.h"
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
  if (state.chart.Mode != "AstigmaticClockDial") {
    state.chart.Mode = "AstigmaticClockDial";
    return true;
  }
  // Drawing the dial clears the mask and the red/green overlay; the copy brings them back.
  TempStateCopy(state, "TWrite");
  if (context.chartCanvas) {
    DrawClockDial(state, context.shapes, *context.chartCanvas,
                  ForegroundColorOf(state.chart.Foreground));
    PresentChart(context);
  }
  TempStateCopy(state, "TRead");
  DrawChartFrame(context);
  return false;
}

void PointerCommand(ProgramContext& context) {
  PointerKey(context.state.chart);
  DrawChartFrame(context);
}

}  // namespace lenvari
