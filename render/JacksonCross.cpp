#include "render/JacksonCross.h"

#include <cmath>

#include "common/NumberText.h"
#include "platform/qtgui/Canvas.h"
#include "render/LetterChartLayout.h"
#include "render/TargetShapes.h"
#include "store/State.h"

namespace lenvari {

void DrawJacksonCross(State& state, Canvas& canvas, Colour foregroundColor) {
  ChartState& chart = state.chart;
  chart.Mask = 0;
  chart.RG = 0;
  FillWholeCanvas(canvas, kWhite);
  const double D = LetterDenominator(state.letters, SafeFileIndex(chart.LetterSetFileNum), chart.SizeNow);
  const double d = static_cast<double>(RoundHalfEven(5 * D));
  const double r1 = static_cast<double>(RoundHalfEven(1.9 * d));
  const double r2 = static_cast<double>(RoundHalfEven(1.9 * r1));
  FillDiscAt(canvas, 0, 0, d, foregroundColor);
  // A last step landing on the full turn draws over the first dot of the ring, unseen.
  constexpr double pi = 3.14159;
  for (double a = 0; a <= 2 * pi; a += pi / 3) {
    FillDiscAt(canvas, static_cast<double>(RoundHalfEven(std::cos(a) * r1)),
               static_cast<double>(RoundHalfEven(std::sin(a) * r1)), d, foregroundColor);
  }
  for (double a = 0; a <= 2 * pi; a += pi / 6) {
    FillDiscAt(canvas, std::floor(std::cos(a) * r2), std::floor(std::sin(a) * r2), d,
               foregroundColor);
  }
}

}  // namespace lenvari
