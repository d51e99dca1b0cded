#include "app/examiner/GammaMatch.h"

#include "app/loop/ChartDisplay.h"
#include "app/loop/WaitForInput.h"
#include "render/GammaMatchScreen.h"

namespace lenvari {

void RunGammaMatch(ProgramContext& context) {
  // Nothing to match on while the patient monitor is away: its window is hidden.
  if (!context.chartWindow || !context.chartCanvas || context.hotPlug.patientMonitorGone) return;
  State& state = context.state;
  Canvas& canvas = *context.chartCanvas;
  double gamma = StartingMatchGamma(state.display.DisplayGamma);
  for (GammaMatchKey key = GammaMatchKey::Changed;;) {
    if (key == GammaMatchKey::Changed) {
      DrawGammaMatchScreen(canvas, {gamma, state.chart.RG != 0});
      // The frames of a scripted run carry the gamma the screen was drawn for.
      context.gammaMatch.shown = gamma;
      PresentChart(context);
    }
    key = ApplyGammaMatchKey(WaitForWindowKeys(context, *context.chartWindow), gamma);
    if (key == GammaMatchKey::Keep) {
      state.display.DisplayGamma = gamma;
      context.gammaMatch.matchedByEye = true;
    }
    if (key == GammaMatchKey::Keep || key == GammaMatchKey::Leave) break;
  }
  context.gammaMatch.shown.reset();
  ApplyChartScale(state.monitors, canvas);
}

}  // namespace lenvari
