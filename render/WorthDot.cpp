#include "render/WorthDot.h"

#include <algorithm>

#include "common/NumberText.h"
#include "platform/qtgui/Canvas.h"
#include "render/LetterChartLayout.h"
#include "render/TargetShapes.h"
#include "store/State.h"

namespace lenvari {

void DrawWorthDot(const State& state, Canvas& canvas) {
  const Settings& settings = state.settings;
  const int m = std::clamp(state.monitors.CurrentMonitor, 1, kMaxMonitors);
  FillWholeCanvas(canvas, static_cast<Colour>(settings.MyBlack));
  const double D = LetterDenominator(state.letters, SafeFileIndex(state.chart.LetterSetFileNum),
                                     state.chart.SizeNow);
  const double s = static_cast<double>(RoundHalfEven(4 * D));
  const double e = 5 * D;
  const Colour red = static_cast<Colour>(settings.MyRed);
  const Colour second = SecondEyeColour(settings);
  if (settings.WorthDotMode[m] == 4) {
    FillDisc(canvas, {-e / 2, -s - 1.5 * e, e / 2, -s - e / 2}, red);
    FillDisc(canvas, {-s - 1.5 * e, -e / 2, -s - e / 2, e / 2}, second);
    FillDisc(canvas, {s + e / 2, -e / 2, s + 1.5 * e, e / 2}, second);
    FillDisc(canvas, {-e / 2, s + e / 2, e / 2, s + 1.5 * e}, kWhite);
  } else if (settings.WorthDotMode[m] == 3) {
    FillDisc(canvas, {-e / 2, 1.5 * s + e / 2, e / 2, 1.5 * s + 1.5 * e}, second);
    FillDisc(canvas, {-e / 2, -e / 2, e / 2, e / 2}, kWhite);
    FillDisc(canvas, {-e / 2, -1.5 * s - 1.5 * e, e / 2, -1.5 * s - e / 2}, red);
  }
}

}  // namespace lenvari
