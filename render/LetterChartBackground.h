#pragma once
// What the letters stand on: white, the red/green halves, or the black mask with its window.

#include "platform/qtgui/Canvas.h"
#include "render/LetterChartLayout.h"

namespace lenvari {

struct ChartState;

// Fills the whole canvas: black around the mask window (white, or red left and green right of
// the centre line), red and green screen halves, or plain white.
void DrawLetterChartBackground(Canvas& canvas, const ChartState& chart, const MaskWindow& mask,
                               int chartWidth, int chartHeight);

}  // namespace lenvari
