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
  const LetterSets& letters = state.letters;
  // Preset 1: 20/40 with the gradient; four rows, the monitor's limit.
  RowFit fit = FitLetterRows(letters, 6, 6, 1, 999, 4, 3149);
  EXPECT_EQ(fit.RowsShown, 4);
  EXPECT_DOUBLE_EQ(fit.total, 600 + 300 + 250 + 200);
  // Gradient from size 3: sizes 3, 2, 1 and no further.
  fit = FitLetterRows(letters, 6, 3, 1, 999, 8, 3149);
  EXPECT_EQ(fit.RowsShown, 3);
  EXPECT_DOUBLE_EQ(fit.total, 300 + 150 + 100);
  // All rows of 20/20 without gradient: rows while the total stays below the chart height...
  fit = FitLetterRows(letters, 6, 3, 0, 999, 999, 3149);
  EXPECT_EQ(fit.RowsShown, 15);
  EXPECT_DOUBLE_EQ(fit.total, 3100);
  // ... and never past the monitor's row limit or the shutter.
  EXPECT_EQ(FitLetterRows(letters, 6, 3, 0, 999, 8, 3149).RowsShown, 8);
  EXPECT_EQ(FitLetterRows(letters, 6, 3, 0, 2, 8, 3149).RowsShown, 2);
  // A total that would reach the height exactly does not fit.
  EXPECT_EQ(FitLetterRows(letters, 6, 3, 0, 999, 999, 3100).RowsShown, 14);
  // One 20/400 row is always drawn, even taller than the screen.
  EXPECT_EQ(FitLetterRows(letters, 6, 13, 1, 999, 4, 3149).RowsShown, 1);
}

TEST(ChartLayout, PictureFilesReserveTwiceTheLetterBox) {
  const State state = MakeChartState();
  EXPECT_EQ(Tie(BoxFactor(state.letters, 8), BoxFactor(state.letters, 6)), Tie(2, 1));
  const RowFit fit = FitLetterRows(state.letters, 8, 6, 1, 999, 4, 3149);
  EXPECT_DOUBLE_EQ(fit.total, 1200 + 600 + 500 + 400);
}

TEST(ChartLayout, ColumnsAndMaskWindow) {
  EXPECT_EQ(LettersAcross(4799, 100), 23);
  // All columns: as many as fit, held to the longest line.
  MaskWindow mask = MaskGeometry(5598, 200, 1350, 999, 5);
  EXPECT_EQ(mask.MaskRight, 5 * 200 + 100);
  // Half units round to even.
  mask = MaskGeometry(5598, 125, 625, 1, 5);
  EXPECT_EQ(mask.MaskLeft, -188);   // -187.5
  EXPECT_EQ(mask.MaskRight, 188);   // 187.5
  EXPECT_EQ(mask.MaskTop, -312);    // -312.5
  EXPECT_EQ(mask.MaskBottom, 312);  // 312.5
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
