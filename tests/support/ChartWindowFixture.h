#pragma once
// A program context without a start-up: one 1920 x 1080 monitor calibrated at 400 pixels per
// 1000 units, its chart window open, and a console host that records what it is asked.

#include <gtest/gtest.h>

#include "app/loop/ChartDisplay.h"
#include "platform/KeyScript.h"
#include "support/FakeConsoleHost.h"
#include "support/ProgramRun.h"

namespace lenvari {

struct ChartWindowFixture : testing::Test {
  FakeConsoleHost console;
  ProgramContext context{console};

  void SetUp() override {
    context.state.DataPath = FreshFolder("data");
    Monitors& m = context.state.monitors;
    m.NumberOfMonitors = m.CurrentMonitor = 1, m.MonitorRect[1] = {0, 0, 0, 1920, 1080};
    m.ScreenWidth[1] = 1920, m.ScreenHeight[1] = 1080, m.MasterScaleX[1] = m.MasterScaleY[1] = 400;
    OpenChartWindow(context);
  }
  void Type(const std::string& text) {
    for (char c : text) context.chartWindow->InjectKey(CharacterKey(c));
  }
};

}  // namespace lenvari
