// Contrast in light: a level drawn at the light it names (dithered between two 8-bit values,
// measured over the dither cells of rendered pictures); what the chart's readouts report of a
// row's stroke and of the contrast levels as they come out on an sRGB screen; and the gamma
// match screen, whose every gamma is the one its pixels match and whose keys step, keep and
// leave as the examiner expects.

#include <gtest/gtest.h>

#include <QImage>

#include <cmath>

#include "platform/qtgui/Canvas.h"
#include "platform/KeyTranslation.h"
#include "platform/TransferCurve.h"
#include "render/ChartColours.h"
#include "render/ChartPixels.h"
#include "render/ChartTestFixtures.h"
#include "render/ContrastReadout.h"
#include "render/GammaMatchScreen.h"
#include "render/SizeReadout.h"
#include "support/Pixels.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

const int kLevels[] = {0, 50, 60, 70, 75, 80, 90, 95, 97, 98, 99};  // Foreground: 100 % .. 1 %

TEST(LuminanceContrast, EveryLevelsLightOverADitherCellIsTheLightItNames) {
  for (double gamma : {0.0, 2.2}) {
    for (int foreground : kLevels) {
      if (foreground == 0) continue;
      const double target = foreground / 100.0;
      const DitheredValue d = DitherLight(target, gamma);
      for (bool smoothing : {false, true}) {
        Canvas canvas(64, 40);
        canvas.SetAntialias(smoothing);
        canvas.SetTransferGamma(gamma);
        canvas.Clear(kWhite);
        canvas.SetInkLight(ForegroundColorOf(foreground), target);
        canvas.FillBox({3.4, 2.7, 60.2, 37.5}, ForegroundColorOf(foreground));
        const std::vector<double> lights = DitherCellLights(canvas.Image(), d, gamma);
        EXPECT_EQ(lights.size(), 6u * 3) << foreground;  // every cell wholly inside the box
        for (double light : lights) {
          // The Weber contrast is the level's own to a hundredth of a percent, where one 8-bit
          // step near white is almost a whole percent.
          EXPECT_NEAR(100 * (1 - light), 100 - foreground, 0.01)
              << foreground << " gamma " << gamma;
        }
      }
    }
  }
  // Each count of high places is that many places of every cell.
  for (int count = 0; count < 64; ++count) {
    int high = 0;
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) high += DitherTakesHigh(x + 16, y + 8, count);
    EXPECT_EQ(high, count);
  }
}

TEST(LuminanceContrast, ChartFramesDrawTheLevelsLightOnlyWithTheOptionOn) {
  State state = testing::MakeChartState();
  state.chart.Grad = 0, state.settings.LabelSize[1] = 0;  // one row of large letters, no labels
  for (int foreground : kLevels) {
    state.chart.Foreground = foreground;
    const int grey = foreground * 255 / 100;
    // Off (the default), unsmoothed: every letter pixel is the rung's grey, the rest white.
    state.display = {}, state.settings.SmoothingFlag = 0;
    const QImage off = testing::RenderFrame(state)->Image();
    const int letterPixels = CountColour(off, QColor(grey, grey, grey), 0);
    EXPECT_GT(letterPixels, 5000) << foreground;
    EXPECT_EQ(letterPixels + CountColour(off, Qt::white, 0), off.width() * off.height())
        << foreground;
    // Off and smoothed: the edges mix the rung's grey with white, never anything darker.
    state.settings.SmoothingFlag = 1;
    const QImage smoothed = testing::RenderFrame(state)->Image();
    if (grey > 0) EXPECT_EQ(GreyPixels(smoothed, smoothed.rect(), 0, grey - 1), 0) << foreground;

    // On: the cells inside the strokes have the level's light, and the readout says so.
    if (foreground == 0) continue;
    state.display.LuminanceContrast = 1, state.settings.SmoothingFlag = 1;
    std::unique_ptr<Canvas> on = testing::RenderFrame(state);
    const std::vector<double> lights =
        DitherCellLights(on->Image(), DitherLight(foreground / 100.0, 0), 0);
    EXPECT_GT(lights.size(), 50u) << foreground;
    for (double light : lights) {
      ASSERT_NEAR(100 * (1 - light), DrawnWeberContrast(foreground, state.display), 0.005);
    }
    EXPECT_NEAR(DrawnWeberContrast(foreground, state.display), 100 - foreground, 0.01);

    // The pattern belongs to the screen's pixels: a frame drawn over the last one (only where
    // letters were) is the frame drawn afresh.
    state.chart.Foreground = 90;
    std::unique_ptr<Canvas> reused = testing::RenderFrame(state);
    state.chart.Foreground = foreground;
    DrawChart(state, testing::Shapes(), *reused);
    EXPECT_TRUE(reused->Image() == on->Image()) << foreground;
  }
}

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
  EXPECT_EQ(
      Tie(DisplayLight(255, 0), DisplayLight(0, 0), DrawnWeberContrast(0), DrawnWeberContrast(100)),
      Tie(1.0, 0.0, 100.0, 0.0));
  EXPECT_NEAR(DisplayLight(128, 0), 0.2158, 0.0001);
  EXPECT_NEAR(DisplayLight(10, 0), 10 / 255.0 / 12.92, 1e-9);

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


TEST(GammaMatchScreen, EveryGammaTriedIsTheOneItsPixelsMatch) {
  for (int step = 0; step <= 40; ++step) {
    const double gamma = 1.0 + step * kGammaMatchStep;
    // A small screen keeps the sweep quick; the red/green halves and a second size now and then.
    const bool redGreen = step % 5 == 1;
    Canvas canvas(step % 7 == 3 ? 1280 : 480, step % 7 == 3 ? 1024 : 360);
    DrawGammaMatchScreen(canvas, {gamma, redGreen});
    const QImage& image = canvas.Image();

    const std::vector<SolvedGammaField> fields = SolveGammaFields(image);
    ASSERT_EQ(fields.size(), 2u) << gamma;
    for (const SolvedGammaField& f : fields) {
      // Rounding to 8 bits moves the match by far less than one step of the arrows.
      EXPECT_NEAR(f.gamma, gamma, 0.01) << gamma << ": " << f.low << " " << f.high << " " << f.grey;
      // The checkerboard is a square of the screen, not a sliver the eye could not judge.
      EXPECT_GE(f.checkerboard.width(), image.height() / 4 - 1);
      EXPECT_GE(f.checkerboard.height(), image.height() / 4);
    }
    // The pairs are the lights asked for, under the gamma tried, to a few percent.
    const double lights[] = {DisplayLight(fields[0].low, gamma), DisplayLight(fields[0].high, gamma),
                             DisplayLight(fields[1].low, gamma), DisplayLight(fields[1].high, gamma)};
    const double asked[] = {0.02, 0.18, 0.10, 0.90};  // fields sorted by their low value
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(lights[i] / asked[i], 1, 0.25) << gamma << " " << i;

    // The chart's background around the fields, below the prompt.
    const int w = image.width(), h = image.height();
    EXPECT_EQ(image.pixel(4, h - 4), redGreen ? qRgb(255, 0, 0) : qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(w - 4, h - 4), redGreen ? qRgb(0, 255, 0) : qRgb(255, 255, 255));
  }
}

TEST(GammaMatchScreen, ArrowsStepWithinTheRangeEnterKeepsEscapeLeaves) {
  EXPECT_DOUBLE_EQ(StartingMatchGamma(0), 2.2);
  EXPECT_DOUBLE_EQ(StartingMatchGamma(2.6), 2.6);
  EXPECT_DOUBLE_EQ(StartingMatchGamma(3.7), 3.0);  // a stored gamma beyond what can be tried
  EXPECT_DOUBLE_EQ(StartingMatchGamma(2.374), 2.37);

  double gamma = 2.2;
  const std::string up = ExtendedKey(keycode::Up), down = ExtendedKey(keycode::Down);
  using enum GammaMatchKey;
  // Each key, what it does, and the gamma after it; "-" and "!" are pressed 40 times, past the
  // ends of the range.
  const std::tuple<std::string, GammaMatchKey, double> keys[] = {
      {up, Changed, 2.25}, {up, Changed, 2.3},  // with no drift of binary fractions
      {"-", None, 1.0},    {down, None, 1.0},     {"!", Changed, 3.0},
      {"+", None, 3.0},    {"@", Changed, 2.95},  {"\r", Keep, 2.95},
      {".", Keep, 2.95},   {"\x1b", Leave, 2.95}, {"E", None, 2.95}};
  for (const auto& [key, effect, after] : keys) {
    GammaMatchKey result = ApplyGammaMatchKey(key, gamma);
    for (int i = 1; i < 40 && (key == "-" || key == "!"); ++i)
      result = ApplyGammaMatchKey(key, gamma);
    EXPECT_EQ(Tie(result, gamma), Tie(effect, after)) << key;
  }
  EXPECT_EQ(Tie(GammaText(2.3), GammaText(gamma)), Tie("2.30", "2.95"));
  EXPECT_EQ(GammaMatchPrompt(2.95)[2].substr(0, 11), "Gamma 2.95 ");
}

}  // namespace
}  // namespace lenvari
