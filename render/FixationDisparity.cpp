#include "render/FixationDisparity.h"

#include <algorithm>

#include "platform/qtgui/Canvas.h"
#include "render/TargetShapes.h"
#include "store/State.h"

namespace lenvari {

void DrawFixationDisparity(const State& state, Canvas& canvas) {
  const Settings& settings = state.settings;
  const int m = std::clamp(state.monitors.CurrentMonitor, 1, kMaxMonitors);
  constexpr double L = 300, g = 5, t = 20;
  constexpr double half = L * g / 20 / 2;  // half the bar width
  constexpr double inner = L * t / 40;
  constexpr double outer = 5 * L / 2;
  const Colour black = static_cast<Colour>(settings.MyBlack);
  const Colour red = static_cast<Colour>(settings.MyRed);
  const Colour second = SecondEyeColour(settings);
  FillWholeCanvas(canvas, black);
  canvas.FillBox({-half, -outer, half, -inner}, red);
  canvas.FillBox({-half, inner, half, outer}, second);
  canvas.FillBox({inner, -half, outer, half}, second);
  canvas.FillBox({-outer, -half, -inner, half}, red);
  if (settings.FixDispFusionLock[m] == 1) {
    FillDisc(canvas, {-75, -75, 75, 75}, kWhite);
    FillDisc(canvas, {-37.5, -37.5, 37.5, 37.5}, black);
  }
}

}  // namespace lenvari
