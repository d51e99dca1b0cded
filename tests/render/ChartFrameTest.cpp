// Letter-chart frames drawn by DrawChart, measured in pixels.

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

#include "render/ChartColours.h"
#include "render/ChartPixels.h"
#include "render/ChartTestFixtures.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

using namespace lenvari::testing;

TEST(ChartFrame, LetterHeightGapAndRowGapMatchTheSizeRule) {
  State state = MakeChartState();
  for (std::string& line : state.letters.LetterLines[6][1]) line = "EEEEE";  // known shapes
  state.settings.LabelSize[1] = 0;
  auto canvas = RenderFrame(state);
  const QImage& image = canvas->Image();
  const double px = 343.0 / 1000;  // pixels per unit
  // Down the middle letter's stem (x -100 .. -60 units at D 40, y -475 .. -275; a glyph's
  // height is the glyph test's) to the middle of the next row's (D 30, stem -75 .. -45): the
  // light between them, edge pixels by their share, is one row-1 letter height.
  const int stemX = static_cast<int>(canvas->ToPixels({-70, 0}).x);
  double light = 0;
  for (int y = canvas->ToPixels({0, -375}).y; y < canvas->ToPixels({0, 0}).y; ++y)
    light += 1 - Darkness(image, stemX, y);
  EXPECT_NEAR(light, 5 * 40 * px, 0.5);

  // Along the top bar of the first row: centres 2w apart, so between two centres there is half
  // a letter on each side and the gap is one letter wide.
  const int scanY = static_cast<int>(canvas->ToPixels({0, -455}).y);
  const int from = static_cast<int>(std::lround(canvas->ToPixels({-800, 0}).x));
  const int to = static_cast<int>(std::lround(canvas->ToPixels({-400, 0}).x));
  double dark = 0;
  for (int x = from; x < to; ++x) dark += Darkness(image, x, scanY);
  const double pitch = to - from;
  EXPECT_NEAR(pitch - dark, 5 * 40 * px, 1.0);  // the gap
  EXPECT_NEAR(dark, 5 * 40 * px, 1.0);          // the letter's width
}

TEST(ChartFrame, MirroredRoomReversesRowsButNotLabels) {
  State state = MakeChartState();
  state.letters.LetterLines[6][1][6] = "ABC", state.chart.Grad = 0, state.chart.VShutter = 1;
  state.settings.SmoothingFlag = 0;
  auto direct = RenderFrame(state);
  EXPECT_EQ(state.MonitorText, "20/40      A B C\r");
  state.settings.Mirror[1] = -1;
  auto mirrored = RenderFrame(state);
  EXPECT_EQ(state.MonitorText, "20/40     A B C \r");

  const QImage& a = direct->Image();
  const QImage& b = mirrored->Image();
  const int w = a.width();
  // The letter band: the mirrored frame is the direct one flipped left to right.
  const int top = static_cast<int>(direct->ToPixels({0, -150}).y);
  const int bottom = static_cast<int>(direct->ToPixels({0, 150}).y);
  int darkPixels = 0, mismatches = 0;
  for (int y = top; y < bottom; ++y) {
    for (int x = 0; x < w; ++x) {
      const bool da = Darkness(a, x, y) > 0.5;
      const bool db = Darkness(b, w - 1 - x, y) > 0.5;
      darkPixels += da;
      mismatches += da != db;
    }
  }
  ASSERT_GT(darkPixels, 3000);
  EXPECT_LT(mismatches, darkPixels / 50);
  // The label corner is the same picture in both rooms.
  const QRect corner(0, a.height() * 8 / 10, w / 5, a.height() - a.height() * 8 / 10);
  EXPECT_GT(CountColour(a.copy(corner), kBlue, 0), 200);
  EXPECT_EQ(DifferingPixels(a.copy(corner), b.copy(corner)), 0);
}

TEST(ChartFrame, MaskOpensAWindowThreeLettersWideAndRowsHigh) {
  State state = MakeChartState();
  state.chart.Mask = 1, state.chart.HShutter = 1;
  auto canvas = RenderFrame(state);
  const QImage& image = canvas->Image();
  const double px = 343.0 / 1000;
  // Across the blank strip above the first row (window top -675, first letter top -475).
  const int y = static_cast<int>(canvas->ToPixels({0, -600}).y);
  double open = 0;
  for (int x = 0; x < image.width(); ++x) open += qGray(image.pixel(x, y)) / 255.0;
  EXPECT_NEAR(open, 600 * px, 1.0);
  // Down a column of the window beside the letters.
  const int x = static_cast<int>(canvas->ToPixels({-250, 0}).x);
  double high = 0;
  for (int yy = 0; yy < image.height(); ++yy) high += qGray(image.pixel(x, yy)) / 255.0;
  EXPECT_NEAR(high, 1350 * px, 1.0);
  EXPECT_EQ(qGray(image.pixel(5, 5)) | qGray(image.pixel(image.width() - 5, image.height() / 2)), 0);

  state.chart.RG = 1;
  ExpectColours(*RenderFrame(state), {{-200, -600, kRed}, {200, -600, kGreen}, {400, -600, kInk}});
}

TEST(ChartFrame, RedGreenHalvesCarryTheLetters) {
  State state = MakeChartState();
  state.chart.RG = 1, state.settings.SmoothingFlag = 0;
  auto canvas = RenderFrame(state);
  const QImage& image = canvas->Image();
  // Row 1: letters at x = -800 .. 800; every pixel around a letter is pure red on the left of
  // the centre line and pure green on the right, and the letters are black on both.
  const int top = static_cast<int>(canvas->ToPixels({0, -475 - 20}).y);
  const int bottom = static_cast<int>(canvas->ToPixels({0, -275 + 20}).y);
  const int half = image.width() / 2;
  for (const auto& [left, colour] : {std::pair{0, kRed}, {half, kGreen}}) {
    const QImage side = image.copy(left, top, half, bottom - top);
    const int black = CountColour(side, kInk, 0), coloured = CountColour(side, colour, 0);
    EXPECT_GT(black, 1000) << left;
    EXPECT_GT(coloured, 10000) << left;
    EXPECT_EQ(black + coloured, side.width() * side.height()) << left;  // nothing else
  }
}

TEST(ChartFrame, PointerFollowsItsLetterAndJumpsWhenTheRowShrinks) {
  // A portrait monitor, 3149 x 6997 units: five letters a row up to 20/60, four at 20/70, three
  // at 20/80 and 20/100, one at 20/200, and every arrow still on the screen.
  State state = MakeChartState(1080, 2400);
  state.chart.Grad = 0, state.chart.VShutter = 1, state.chart.PointerMode = 3;
  state.settings.SmoothingFlag = 0;
  // Marks, left to right over the row's n letters, which one has the arrow's shaft (15 D below
  // the row centre) under it.
  auto arrowUnder = [&](int size, int n) {
    state.chart.SizeNow = size;
    auto canvas = RenderFrame(state);
    const double D = state.letters.LetterSize[6][size], w = std::nearbyint(5 * D);
    std::string marked;
    for (int i = 1; i <= n; ++i)
      marked += PixelAtUnits(*canvas, (2 * i - n - 1) * w, 15 * D) == kBlue ? 'A' : '.';
    return marked;
  };
  for (int size = 1; size <= 8; ++size) EXPECT_EQ(arrowUnder(size, 5), "..A..") << size;
  EXPECT_EQ(arrowUnder(9, 4), "..A.");
  EXPECT_EQ(arrowUnder(10, 3), "..A");
  EXPECT_EQ(arrowUnder(11, 3), "..A");
  EXPECT_EQ(state.chart.PointerMode, 3);
  EXPECT_EQ(arrowUnder(12, 1), "A");
  EXPECT_EQ(state.chart.PointerMode, 1);
  // Mirrored room: the patient's third letter of four stands second from the left.
  state.settings.Mirror[1] = -1, state.chart.PointerMode = 3;
  EXPECT_EQ(arrowUnder(9, 4), ".A..");
  state.chart.PointerMode = 999;
  EXPECT_EQ(arrowUnder(6, 5), "A....");  // 999: the last letter, leftmost in the mirror
  EXPECT_EQ(state.chart.PointerMode, 5);
}

TEST(ChartFrame, ShuttersClampToWhatFits) {
  State state = MakeChartState();
  RenderFrame(state);  // preset 1: four gradient rows of the built-in letters (the layout's test)
  EXPECT_EQ(state.MonitorText,
            "20/40      Z S O K N\r20/30      D K S N V\r20/25      O N H R C\r"
            "20/20      C Z R H S\r");
  state.settings.MaxVShutter[1] = 8, state.chart.SizeNow = 3, state.chart.VShutter = 6;
  state.chart.HShutter = 9;
  RenderFrame(state);
  EXPECT_EQ(std::tuple(state.chart.RowsShown, state.chart.VShutter, state.chart.HShutter), std::tuple(3, 3, 5));
  EXPECT_EQ(state.MonitorText, "20/20      C Z R H S\r20/15      D O V H R\r20/10      R H S D K\r");

  // 20/20 on a 4800-unit chart: 24 fit, the row text caps it.
  state = MakeChartState(1920, 1080, 400);
  state.chart.SizeNow = 3, state.chart.Grad = 0, state.chart.VShutter = 1;
  state.letters.LetterLines[6][1][3] = std::string(30, 'H');
  RenderFrame(state);
  EXPECT_EQ(state.MonitorText.size(), std::string("20/20     ").size() + 2 * 24 + 1);
  EXPECT_EQ(state.chart.HShutter, 999);
}

TEST(ChartFrame, CustomSizeShufflesAtMostFiveColumns) {
  State state = MakeChartState();
  state.chart.SizeNow = 0, state.letters.LetterSize[6][0] = 35, state.chart.HShutter = 999;
  RenderFrame(state);
  EXPECT_EQ(std::tuple(state.chart.HShutter, state.chart.RandomFlag, state.chart.RowsShown), std::tuple(5, 0, 1));
  ASSERT_EQ(state.MonitorText.size(), std::string("20/35     ").size() + 10 + 1);
  const std::string keys = state.MonitorText.substr(10);
  for (size_t i = 1; i < keys.size() - 1; i += 2) {
    EXPECT_NE(std::string("NCKSODRHVZ").find(keys[i]), std::string::npos) << keys;
    EXPECT_EQ(keys.find(keys[i]), i) << keys;  // no letter twice in the row
  }
}

TEST(ChartFrame, StatusLineAppearsOnlyWhenEnabled) {
  State state = MakeChartState();
  auto darkBottom = [](const Canvas& canvas) {  // the middle third of the bottom strip
    const QImage& image = canvas.Image();
    const int top = image.height() * 97 / 100 - 10;
    return DarkPixels(image, QRect(image.width() / 3, top, image.width() / 3, image.height() - top));
  };
  EXPECT_EQ(darkBottom(*RenderFrame(state)), 0);
  state.settings.StatusBar[1] = 0;
  EXPECT_GT(darkBottom(*RenderFrame(state)), 200);
  state.chart.Mode = ChartMode::Arrow;
  EXPECT_EQ(darkBottom(*RenderFrame(state)), 0);
}

TEST(ChartFrame, TumblingERowReportsDirectionsAndARandomHotvRowRepeatsLittle) {
  // (Every letter mode drawn in both rooms under the sanitizers is the partial repaint's run;
  // that the directions are those drawn, the glyph test's.)
  State state = MakeChartState();
  state.chart.Mode = ChartMode::TumblingE;
  RenderFrame(state);
  EXPECT_EQ(state.MonitorText.find_first_not_of("LURD ", 10), 20u) << state.MonitorText;

  // A random HOTV row draws each letter at most twice.
  state = MakeChartState();
  state.chart.LetterSetFileNum = 2, state.chart.RandomFlag = 1, state.chart.VShutter = 1;
  state.chart.Grad = 0, state.chart.SizeNow = 1, state.letters.LetterLines[2][1][1] = "OHVTVOHV";
  RenderFrame(state);
  EXPECT_EQ(state.chart.RandomPool, "HOTV");
  for (char ch : std::string("HOTV"))
    EXPECT_LE(std::count(state.MonitorText.begin(), state.MonitorText.end(), ch), 2) << state.MonitorText;
}

}  // namespace
}  // namespace lenvari
