// The layout arithmetic, the contrast ladder, the random draw and the texts of the chart frame.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "render/ContrastLadder.h"
#include "render/LetterChartLayout.h"
#include "render/LetterChartRandom.h"
#include "render/SizeLabels.h"
#include "render/StatusLine.h"
#include "render/ChartTestFixtures.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

using testing::MakeChartState;

TEST(ChartLayout, RowFittingStopsAtGradientEndHeightShutterAndMonitorLimit) {
  const State state = MakeChartState();
  // Rows shown and their total height, from size `size` of file 6.
  const auto fit = [&state](int size, int grad, int shutter, int limit, double height = 3149) {
    const RowFit f = FitLetterRows(state.letters, 6, size, grad, shutter, limit, height);
    return std::pair(f.RowsShown, f.total);
  };
  // Preset 1: 20/40 with the gradient, four rows (the monitor's limit); the gradient from size
  // 3: sizes 3, 2, 1 and no further; all rows of 20/20 without it: while the total stays below
  // the chart height.
  EXPECT_EQ(Tie(fit(6, 1, 999, 4), fit(3, 1, 999, 8), fit(3, 0, 999, 999)),
            Tie(std::pair(4, 1350.0), std::pair(3, 550.0), std::pair(15, 3100.0)));
  // Never past the monitor's row limit or the shutter; a total that would reach the height
  // exactly does not fit; one 20/400 row is always drawn, even taller than the screen.
  EXPECT_EQ(Tie(fit(3, 0, 999, 8).first, fit(3, 0, 2, 8).first, fit(3, 0, 999, 999, 3100).first,
                fit(13, 1, 999, 4).first),
            Tie(8, 2, 14, 1));
  // Picture files reserve twice the letter box.
  EXPECT_EQ(Tie(BoxFactor(state.letters, 8), BoxFactor(state.letters, 6)), Tie(2, 1));
  EXPECT_DOUBLE_EQ(FitLetterRows(state.letters, 8, 6, 1, 999, 4, 3149).total, 1200 + 600 + 500 + 400);
}

TEST(ChartLayout, ColumnsAndMaskWindow) {
  EXPECT_EQ(LettersAcross(4799, 100), 23);
  // All columns: as many as fit, held to the longest line.
  MaskWindow mask = MaskGeometry(5598, 200, 1350, 999, 5);
  EXPECT_EQ(mask.MaskRight, 5 * 200 + 100);
  // Half units round to even.
  mask = MaskGeometry(5598, 125, 625, 1, 5);
  EXPECT_EQ(Tie(mask.MaskLeft, mask.MaskRight, mask.MaskTop, mask.MaskBottom),
            Tie(-188, 188, -312, 312));  // -187.5, 187.5, -312.5, 312.5
}

TEST(ChartLayout, SideLabelValuesInEveryNotation) {
  const State state = MakeChartState();
  const LetterSets& l = state.letters;
  EXPECT_EQ(Tie(SideLabelValue(l, 6, 6, 20, 0), SideLabelValue(l, 6, 2, 6, 1), SideLabelValue(l, 6, 6, 1, 1),
                SideLabelValue(l, 6, 1, 1, 1)),
            Tie(" 40", " 6/4.5", "00.50", "02.00"));
}

TEST(ContrastLadder, TwentyFiveStopsAtItsRungAndTheToggleSwapsBlack) {
  ChartState chart;
  // Each step and the foreground it leaves; "25" is the lower step of 25 % from the top.
  const auto steps = {std::pair{"+", 0}, {"25", 75},  {"25", 75},
                      {"+", 75},         {"=50", 50}, {"25", 60}};
  for (const auto& [step, foreground] : steps) {
    if (step[0] == '=')
      chart.Foreground = std::atoi(step + 1);
    else if (step[0] == '+')
      HigherContrast(chart);
    else
      LowerContrast(chart, 25);
    EXPECT_EQ(chart.Foreground, foreground) << step;
  }
  chart.Foreground = 0, chart.Background = 0;
  ToggleLowContrast(chart, 10);
  EXPECT_EQ(Tie(chart.Foreground, chart.Background), Tie(90, 100));
  ToggleLowContrast(chart, 10);
  EXPECT_EQ(chart.Foreground, 0);
  chart.Foreground = 95;
  ToggleLowContrast(chart, 10);
  EXPECT_EQ(chart.Foreground, 0);
}

TEST(RandomLetters, PoolsFollowModeAndFileName) {
  EXPECT_EQ(Tie(RandomPoolFor(ChartMode::Letter, "ETDRS Standard", ""),
                RandomPoolFor(ChartMode::Pictures, "Pictures", ""),
                RandomPoolFor(ChartMode::Letter, "Numbers", ""),
                RandomPoolFor(ChartMode::Arrow, "ETDRS Standard", "HOTV")),
            Tie("NCKSODRHVZDVK", "ejhbcp", "23456789", "HOTV"));
}

TEST(RandomLetters, RepeatRuleAndTermination) {
  std::mt19937 random(7);
  for (int trial = 0; trial < 50; ++trial) {
    std::string drawn, hotv;
    for (int i = 0; i < 8; ++i) DrawRandomKey("NCKSODRHVZDVK", false, drawn, random);
    EXPECT_EQ(std::set<char>(drawn.begin(), drawn.end()).size(), 8u) << drawn;  // no repeats
    for (int i = 0; i < 8; ++i) DrawRandomKey("HOTV", true, hotv, random);
    for (char c : std::string("HOTV"))
      EXPECT_EQ(std::count(hotv.begin(), hotv.end(), c), 2) << hotv;
  }
  // More keys than the pool can give: the row still ends, repeating as little as it can.
  std::string drawn, row;
  for (int i = 0; i < 20; ++i) row += DrawRandomKey("23456789", false, drawn, random);
  std::string firstEight = row.substr(0, 8);
  std::sort(firstEight.begin(), firstEight.end());
  EXPECT_EQ(Tie(row.size(), firstEight), Tie(20u, "23456789"));
  std::string none;
  EXPECT_EQ(DrawRandomKey("", false, none, random), "");
}

TEST(StatusLine, TextsOfEveryVariant) {
  State state = MakeChartState();
  EXPECT_EQ(StatusLineText(state), "  ETDRS Standard (file # 6, set # 1)     contrast= 100   Memory: N/A");
  state.chart.ShowMemoryNumber = 1, state.chart.CurrentMemory = 12, state.chart.Foreground = 97;
  EXPECT_EQ(StatusLineText(state), "  ETDRS Standard (file # 6, set # 1)     contrast= 3   Memory:  12  ");
  state.chart.ShowMemoryNumber = 0, state.chart.JustOneLetter = "K", state.chart.SizeNow = 0;
  EXPECT_EQ(StatusLineText(state), "  CUSTOM       Single Letter: 'K'     contrast= 3   Memory: N/A");
}

}  // namespace
}  // namespace lenvari
