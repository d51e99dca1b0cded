// The stroke readout: what a row's critical detail comes out as in light.

#include <gtest/gtest.h>

#include "render/ChartTestFixtures.h"
#include "render/SizeReadout.h"

namespace lenvari {
namespace {

TEST(SizeReadout, SmoothedThinStrokesReadTooWideAndSnappedOnesMissByWholePixels) {
  // A smoothed edge pixel written as a grey gives too little light: a 2.11 px stroke reads about
  // 18 % too wide, a 6.3 px one about 6 %, a 20 px one within the 5 % tolerance.
  const StrokeReadout thin = ReadStroke(10, 2.11, true);
  EXPECT_NEAR(thin.errorPercent, 18.0, 0.3);
  EXPECT_NEAR(thin.effectivePixels, 2.49, 0.01);
  EXPECT_TRUE(thin.beyondTolerance);
  EXPECT_NEAR(ReadStroke(30, 6.3, true).errorPercent, 6.0, 0.2);
  const StrokeReadout wide = ReadStroke(80, 20, true);
  EXPECT_LT(wide.errorPercent, kStrokeTolerancePercent);
  EXPECT_FALSE(wide.beyondTolerance);
  EXPECT_GT(wide.effectivePixels, 20);  // still a little wide, never narrow

  // Without smoothing 2.5 px is 2 or 3 whole pixels: right on average, 20 % off each time.
  const StrokeReadout snapped = ReadStroke(10, 2.5, false);
  EXPECT_NEAR(snapped.effectivePixels, 2.5, 1e-9);
  EXPECT_NEAR(snapped.errorPercent, 20.0, 1e-9);
  EXPECT_NEAR(ReadStroke(10, 3, false).errorPercent, 0.0, 1e-9);

  // Near white the curve is almost straight: the "10 %" grey's edges lose little light.
  const StrokeReadout grey = ReadStroke(10, 2.11, true, 229);
  EXPECT_NEAR(grey.errorPercent, 1.25, 0.05);
  EXPECT_FALSE(grey.beyondTolerance);
  EXPECT_EQ(ReadStroke(10, 2.11, true, 255).effectivePixels, 0.0);
}

TEST(SizeReadout, RowsAndBestAcuityFollowTheCalibration) {
  State state = testing::MakeChartState(1920, 1080, 250);
  state.chart.RowsShown = 3;
  state.chart.Grad = 1;
  state.settings.SmoothingFlag = 1;
  const std::vector<StrokeReadout> rows = RowReadouts(state);
  ASSERT_EQ(rows.size(), 3u);
  // Each row one size down; the stroke is the denominator's quarter pixel at 250 per 1000 units.
  EXPECT_GT(rows[0].denominator, rows[1].denominator);
  EXPECT_GT(rows[1].denominator, rows[2].denominator);
  for (const StrokeReadout& row : rows) EXPECT_DOUBLE_EQ(row.idealPixels, row.denominator / 4);

  const double best = BestMeasurableDenominator(state);
  ASSERT_GT(best, 0);
  EXPECT_LE(ReadStroke(best, best / 4, true).errorPercent, kStrokeTolerancePercent);
  // A finer calibration draws smaller sizes within the tolerance.
  state.monitors.MasterScaleY[1] = 500;
  EXPECT_LT(BestMeasurableDenominator(state), best);

  state.chart.Mode = "WorthDot";
  EXPECT_TRUE(RowReadouts(state).empty());
}

}  // namespace
}  // namespace lenvari
