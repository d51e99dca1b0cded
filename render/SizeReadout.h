#pragma once
// How exactly the rows come out on the screen: for each drawn row the critical detail (the
// stroke, one fifth of the letter) it should have, the width it has as light on the screen, and
// the difference. Smoothed edges are mixed in light, so what is left is 8-bit rounding;
// unsmoothed strokes snap to whole pixels. The readout only measures: it never changes a size.

#include <string>
#include <vector>

#include "store/State.h"

namespace lenvari {

// Beyond this difference in perceived size the rows are flagged.
constexpr double kStrokeTolerancePercent = 5;

struct StrokeReadout {
  double denominator = 0;       // Snellen denominator of the row
  double idealPixels = 0;       // denominator x pixels per 1000 chart units / 1000
  double effectivePixels = 0;   // mean over sub-pixel positions, in light
  double errorPercent = 0;      // mean absolute difference over sub-pixel positions
  bool beyondTolerance = false;
};

// A stroke of 8-bit grey `grey` (0 = black), `idealPixels` wide on white, drawn smoothed or not,
// over 100 sub-pixel positions, on a display of that measured gamma (0: sRGB). White on white
// has no stroke to read: all zero.
StrokeReadout ReadStroke(double denominator, double idealPixels, bool smoothing, int grey = 0,
                         double gamma = 0);

// The rows of the letter chart as last drawn, in the chart's grey on the display's curve (none
// in a special-target or image mode).
std::vector<StrokeReadout> RowReadouts(const State& state);

// The smallest size of the current letter-set file drawn within the tolerance; 0 when none is.
double BestMeasurableDenominator(const State& state);

}  // namespace lenvari
