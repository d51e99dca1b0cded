// The gamma match screen: every gamma the arrows reach is the one its pixels match, on white and
// on the red/green halves, and the keys step, keep and leave as the examiner expects.

#include <gtest/gtest.h>

#include <QImage>

#include <cmath>

#include "platform/qtgui/Canvas.h"
#include "platform/KeyTranslation.h"
#include "platform/TransferCurve.h"
#include "render/GammaMatchScreen.h"
#include "support/Pixels.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

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
