#include "render/LetterChartBackground.h"

#include "render/ChartColours.h"
#include "render/TargetShapes.h"
#include "store/ChartState.h"

namespace lenvari {

void DrawLetterChartBackground(Canvas& canvas, const ChartState& chart, const MaskWindow& mask,
                               int chartWidth, int chartHeight) {
  const double left = mask.MaskLeft, right = mask.MaskRight;
  const double top = mask.MaskTop, bottom = mask.MaskBottom;
  if (chart.Mask != 0) {
    FillWholeCanvas(canvas, kBlack);
    if (chart.RG != 0) {
      canvas.FillBox({left, top, 0, bottom}, kPureRed);
      canvas.FillBox({0, top, right, bottom}, kPureGreen);
    } else {
      canvas.FillBox({left, top, right, bottom}, kWhite);
    }
    return;
  }
  // The rounded chart extent can fall a fraction of a unit short of the canvas edge; white
  // underneath keeps that sliver the colour it always had.
  FillWholeCanvas(canvas, kWhite);
  if (chart.RG != 0) {
    const double w = chartWidth / 2.0, h = chartHeight / 2.0;
    canvas.FillBox({-w, -h, 0, h}, kPureRed);
    canvas.FillBox({0, -h, w, h}, kPureGreen);
  }
}

}  // namespace lenvari
