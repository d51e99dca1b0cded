// What the chart's readouts report: a row's stroke as it comes out in light, and what the contrast
// levels really are on an sRGB screen.

#include <gtest/gtest.h>

#include "platform/TransferCurve.h"
#include "render/ChartColours.h"
#include "render/ChartTestFixtures.h"
#include "render/ContrastReadout.h"
#include "render/SizeReadout.h"

namespace lenvari {
namespace {

TEST(SizeReadout, SmoothedStrokesKeepTheirWidthInLightAndSnappedOnesMissByWholePixels) {
  // Edges mixed in light leave only 8-bit rounding: a 2.11 px black stroke (which read 18 % wide
  // when coverage was written as the value) is within a tenth of a percent, 20 px closer still.
  const StrokeReadout thin = ReadStroke(10, 2.11, true);
  EXPECT_LT(thin.errorPercent, 0.25);
  EXPECT_NEAR(thin.effectivePixels, 2.11, 0.005);
  EXPECT_FALSE(thin.beyondTolerance);
  EXPECT_LT(ReadStroke(30, 6.3, true).errorPercent, 0.1);
  EXPECT_LT(ReadStroke(80, 20, true).errorPercent, 0.02);
  EXPECT_LT(ReadStroke(4, 1, true).errorPercent, 0.25);

  // Without smoothing 2.5 px is 2 or 3 whole pixels: right on average, 20 % off each time.
  const StrokeReadout snapped = ReadStroke(10, 2.5, false);
  EXPECT_NEAR(snapped.effectivePixels, 2.5, 1e-9);
  EXPECT_NEAR(snapped.errorPercent, 20.0, 1e-9);
  EXPECT_NEAR(ReadStroke(10, 3, false).errorPercent, 0.0, 1e-9);

  // Near white a step of 8 bits is a large share of the difference: the "10 %" grey's rounding
  // costs more, still far inside the tolerance.
  const StrokeReadout grey = ReadStroke(10, 2.11, true, 229);
  EXPECT_GT(grey.errorPercent, thin.errorPercent);
  EXPECT_LT(grey.errorPercent, 1);
  EXPECT_EQ(ReadStroke(10, 2.11, true, 255).effectivePixels, 0.0);
  // On a display measured as a pure power curve the edges are mixed through that curve.
  EXPECT_LT(ReadStroke(10, 2.11, true, 0, 2.2).errorPercent, 0.25);
}

TEST(SizeReadout, RowsAndBestAcuityFollowTheCalibration) {
  State state = testing::MakeChartState(1920, 1080, 250);
  state.chart.RowsShown = 3, state.chart.Grad = 1, state.settings.SmoothingFlag = 1;
  const std::vector<StrokeReadout> rows = RowReadouts(state);
  ASSERT_EQ(rows.size(), 3u);
  // Each row one size down; the stroke is the denominator's quarter pixel at 250 per 1000 units.
  EXPECT_GT(rows[0].denominator, rows[1].denominator);
  EXPECT_GT(rows[1].denominator, rows[2].denominator);
  for (const StrokeReadout& row : rows) EXPECT_DOUBLE_EQ(row.idealPixels, row.denominator / 4);

  // Smoothed, every size of the file is drawn within the tolerance, down to 20/10 (2.5 px).
  EXPECT_EQ(BestMeasurableDenominator(state), 10);
  // Snapped to whole pixels, 20/15's 3.75 px strokes are 3 or 4 px, 10 % off on average; a
  // finer calibration draws smaller sizes within the tolerance.
  state.settings.SmoothingFlag = 0;
  const double best = BestMeasurableDenominator(state);
  EXPECT_EQ(best, 20);
  EXPECT_LE(ReadStroke(best, best / 4, false).errorPercent, kStrokeTolerancePercent);
  state.monitors.MasterScaleY[1] = 500;
  EXPECT_LT(BestMeasurableDenominator(state), best);

  state.chart.Mode = ChartMode::WorthDot;
  EXPECT_TRUE(RowReadouts(state).empty());
}

TEST(ContrastReadout, WeberContrastOfTheDrawnGreys) {
  // The sRGB curve (gamma 0): half the value is a fifth of the light; a straight foot.
  EXPECT_DOUBLE_EQ(DisplayLight(255, 0), 1.0);
  EXPECT_DOUBLE_EQ(DisplayLight(0, 0), 0.0);
  EXPECT_NEAR(DisplayLight(128, 0), 0.2158, 0.0001);
  EXPECT_NEAR(DisplayLight(10, 0), 10 / 255.0 / 12.92, 1e-9);

  EXPECT_DOUBLE_EQ(DrawnWeberContrast(0), 100.0);
  EXPECT_DOUBLE_EQ(DrawnWeberContrast(100), 0.0);
  // "10 %" is grey 229, 78.4 % of white's light: more than twice the contrast it is named.
  EXPECT_EQ(ForegroundColorOf(90), GreyColour(229));
  EXPECT_NEAR(DrawnWeberContrast(90), 21.65, 0.01);
  EXPECT_NEAR(DrawnWeberContrast(95), 11.21, 0.01);  // grey 242
  EXPECT_NEAR(DrawnWeberContrast(97), 6.99, 0.01);   // grey 247
  // Down the ladder the drawn contrast falls with the named one.
  double previous = 101;
  for (int foreground : {0, 50, 60, 70, 80, 90, 95, 97}) {
    const double weber = DrawnWeberContrast(foreground);
    EXPECT_LT(weber, previous) << foreground;
    EXPECT_GE(weber, 100 - foreground) << foreground;
    previous = weber;
  }
}

}  // namespace
}  // namespace lenvari
