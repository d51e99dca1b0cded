#include "render/StrongLight.h"

#include "common/NumberText.h"
#include "platform/qtgui/Canvas.h"
#include "render/LetterChartLayout.h"
#include "render/TargetShapes.h"
#include "store/State.h"

namespace lenvari {

void DrawStrongLight(const State& state, Canvas& canvas) {
  FillWholeCanvas(canvas, kBlack);
  const double D = LetterDenominator(state.letters, SafeFileIndex(state.chart.LetterSetFileNum),
                                     state.chart.SizeNow);
  FillDiscAt(canvas, 0, 0, static_cast<double>(RoundHalfEven(5 * D)), kWhite);
}

}  // namespace lenvari
