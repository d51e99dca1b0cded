// Input reaching the program's wait: keys, bursts, remote buttons, clicks, the randomize
// timer, and a chart window that is gone.

#include <gtest/gtest.h>

#include "app/ProgramEnd.h"
#include "app/WaitForInput.h"
#include "platform/KeyScript.h"
#include "support/ChartWindowFixture.h"

namespace lenvari {

using WaitFixture = ChartWindowFixture;

TEST_F(WaitFixture, ChartScaleFollowsTheCalibration) {
  EXPECT_EQ(context.state.monitors.ChartWidth, 4800);
  EXPECT_EQ(context.state.monitors.ChartHeight, 2700);
  const RectF scale = context.chartCanvas->Scale();
  EXPECT_DOUBLE_EQ(scale.left, -2400);
  EXPECT_DOUBLE_EQ(scale.right, 2400);
  EXPECT_DOUBLE_EQ(scale.top, -1350);
  EXPECT_DOUBLE_EQ(scale.bottom, 1350);
  // Uncalibrated (scales still 0): the window uses the calibration's starting value 343 and
  // stores nothing.
  context.state.monitors.MasterScaleX[1] = 0;
  context.state.monitors.MasterScaleY[1] = 0;
  OpenChartWindow(context);
  EXPECT_EQ(context.state.monitors.ChartWidth, 5598);   // 1920000 / 343 = 5597.67
  EXPECT_EQ(context.state.monitors.ChartHeight, 3149);  // 1080000 / 343 = 3148.69
  EXPECT_EQ(context.state.monitors.MasterScaleX[1], 0);
}

TEST_F(WaitFixture, ABurstArrivesWholeAndSeparateKeysOneByOne) {
  Type("ControlRemoteF07");
  EXPECT_EQ(WaitForInput(context), "ControlRemoteF07");
  Type("a");
  EXPECT_EQ(WaitForInput(context), "a");
  Type("b");
  EXPECT_EQ(WaitForInput(context), "b");
  // (The order of the console's, the monitor window's and the chart window's keys is the
  // monitor window's input test.)
}

TEST_F(WaitFixture, NamedKeysBecomeTheirInputStrings) {
  std::string error;
  auto steps = ParseKeyScript("{Up}{F1}{F12}{Ctrl+Q}{Alt+S}{Alt+Down}{Enter}{Backspace}{Tab}{Esc}{{",
                              error);
  ASSERT_TRUE(steps) << error;
  const std::vector<std::string> expected = {
      std::string("\0H", 2), std::string("\0;", 2), std::string("\0X", 2), "\x11",
      std::string("\0\x1f", 2), std::string("\0\xa0", 2), "\r", "\b", "\t", "\x1b", "{"};
  ASSERT_EQ(steps->size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    for (const KeyPress& key : (*steps)[i].keys) context.chartWindow->InjectKey(key);
    EXPECT_EQ(WaitForInput(context), expected[i]) << "step " << i;
  }
  // Ctrl with a function key keeps the key's code and reports Ctrl held.
  steps = ParseKeyScript("{Ctrl+F3}", error);
  for (const KeyPress& key : (*steps)[0].keys) context.chartWindow->InjectKey(key);
  EXPECT_EQ(WaitForInput(context), std::string("\0=", 2));
  EXPECT_EQ(context.CtrlDown, 1);
}

TEST_F(WaitFixture, RemoteMemoryButtonsAndClicks) {
  context.VirtualRemoteCommand.Write("m5");
  EXPECT_EQ(WaitForInput(context), std::string(1, static_cast<char>(205)));
  context.VirtualRemoteCommand.Write("m12");
  EXPECT_EQ(WaitForInput(context), std::string(1, static_cast<char>(212)));
  context.VirtualRemoteCommand.Write("+");
  EXPECT_EQ(WaitForInput(context), "+");
  EXPECT_TRUE(context.VirtualRemoteCommand.Empty());
  // A click reports its place in chart units (400 pixels = 1000 units, origin at the centre).
  context.chartWindow->InjectClick(960 + 400, 540 - 200);
  EXPECT_EQ(WaitForInput(context), "MouseEvent");
  EXPECT_EQ(context.state.chart.MouseX, 1000);
  EXPECT_EQ(context.state.chart.MouseY, -500);
}

TEST_F(WaitFixture, TimedRandomizeFiresAndAnyOtherInputStopsIt) {
  context.state.chart.TimedRandom = 1;
  context.state.settings.TimerDelay = 0.05f;
  EXPECT_EQ(WaitForInput(context), "r");
  EXPECT_EQ(context.state.chart.TimedRandom, 1);
  Type("+");
  EXPECT_EQ(WaitForInput(context), "+");
  EXPECT_EQ(context.state.chart.TimedRandom, 0);
}

TEST_F(WaitFixture, AClosedChartWindowEndsTheProgramAfterFivePolls) {
  context.chartWindow->Close();
  EXPECT_THROW(WaitForInput(context), ProgramEnd);
  EXPECT_EQ(context.missingChartWindowPolls, 5);
}

}  // namespace lenvari
