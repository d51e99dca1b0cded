#include <QImage>
#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "platform/Canvas.h"
#include "platform/ConsoleHost.h"
#include "render/CalibrationScreen.h"
#include "render/CalibrationScreenCheck.h"
#include "support/FakeConsoleHost.h"

namespace lenvari {
namespace {

// The black square's width and height in a presented frame (below the prompt line).
std::pair<int, int> SquareSize(const QImage& image) {
  int left = image.width(), right = -1, top = image.height(), bottom = -1;
  for (int y = 40; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != qRgb(0, 0, 0)) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  return {right - left + 1, bottom - top + 1};
}

struct Fixture {
  std::vector<std::string> log;
  FakeConsoleHost console;
  Monitors monitors;
  Settings settings;
  std::deque<std::string> keys;
  std::vector<std::pair<int, int>> frames;  // square size of each presented frame
  CalibrationWindowPlacement placement;
  CalibrationScreenHost host;

  Fixture() {
    console.calls = &log;
    monitors.NumberOfMonitors = 2;
    monitors.CurrentMonitor = 2;
    monitors.MonitorRect[2] = {0, 1920, 0, 3200, 1050};
    monitors.ScreenWidth[2] = 1280;
    monitors.ScreenHeight[2] = 1050;
    settings.TestDistance[2] = " 20 feet";
    host.closeChartWindow = [this] { log.push_back("close chart"); };
    host.openCalibrationWindow = [this](const CalibrationWindowPlacement& p) {
      placement = p;
      log.push_back("open " + p.caption);
    };
    host.presentCalibrationWindow = [this](const Canvas& canvas) {
      EXPECT_EQ(canvas.PixelWidth(), placement.clientWidth);
      EXPECT_EQ(canvas.PixelHeight(), placement.clientHeight);
      frames.push_back(SquareSize(canvas.Image()));
    };
    host.waitForInput = [this] {
      if (keys.empty()) return std::string("\r");  // never hang a test on a missing key
      std::string key = keys.front();
      keys.pop_front();
      return key;
    };
    host.closeCalibrationWindow = [this] { log.push_back("close calibration"); };
    host.saveConfiguration = [this] {
      log.push_back("save " + std::to_string(monitors.MasterScaleX[2]) + "x" +
                    std::to_string(monitors.MasterScaleY[2]));
    };
    host.rebuildGalleries = [this] { log.push_back("galleries"); };
  }
};

TEST(CalibrateScreen, FreshMonitorStartsAt343AndSavesTheSizeAtEnter) {
  Fixture f;
  f.keys = {"+", "+", "+", "+", "+", "\r", "+"};
  CalibrateScreen(f.console, f.monitors, f.settings, f.host);

  EXPECT_EQ(f.log, (std::vector<std::string>{"TopMost 1", "MessageBox Calibrate", "TopMost 0",
                                             "close chart", "open Calibrate",
                                             "close calibration", "save 348x348",
                                             "galleries"}));
  EXPECT_EQ(f.console.messages.back().style, 32);
  EXPECT_NE(f.console.messages.back().message.find("measures \\n\\n 8.87 centimeters square."),
            std::string::npos);
  EXPECT_EQ(f.placement.left, 1920);
  EXPECT_EQ(f.placement.top, 0);
  EXPECT_EQ(f.placement.clientWidth, 1277);
  EXPECT_EQ(f.placement.clientHeight, 1020);

  ASSERT_EQ(f.frames.size(), 6u);
  EXPECT_EQ(f.frames.front(), std::make_pair(343, 343));
  EXPECT_EQ(f.frames.back(), std::make_pair(348, 348));
  EXPECT_EQ(f.keys.size(), 1u);  // nothing read after Enter
  EXPECT_EQ(f.monitors.MasterScaleX[2], 348);
  EXPECT_EQ(f.monitors.MasterScaleY[2], 348);
  EXPECT_EQ(f.monitors.MasterScaleX[1], 0);  // other monitors untouched
}

TEST(CalibrateScreen, KeepsACalibratedScaleAndResetsAnUncalibratedOne) {
  Fixture f;
  f.monitors.MasterScaleX[2] = 25;
  f.monitors.MasterScaleY[2] = 410;
  f.keys = {std::string("\0H", 2), std::string("\0K", 2), "."};
  CalibrateScreen(f.console, f.monitors, f.settings, f.host);
  EXPECT_EQ(f.frames.front(), std::make_pair(25, 410));
  EXPECT_EQ(f.monitors.MasterScaleX[2], 24);
  EXPECT_EQ(f.monitors.MasterScaleY[2], 411);

  Fixture g;
  g.monitors.MasterScaleX[2] = 600;
  g.monitors.MasterScaleY[2] = 24;
  CalibrateScreen(g.console, g.monitors, g.settings, g.host);
  EXPECT_EQ(g.frames.front(), std::make_pair(343, 343));
  EXPECT_EQ(g.monitors.MasterScaleX[2], 343);
}

TEST(CalibrationCheck, ResolutionChangeOrSmallScalesRequireCalibration) {
  Monitors m;
  m.MonitorRect[1] = {0, 0, 0, 1920, 1080};
  m.SavedMonitorRect[1] = {0, 100, 50, 2020, 1130};  // moved, same size
  MeasureScreen(m, 1);
  EXPECT_EQ(m.ScreenWidth[1], 1920);
  EXPECT_EQ(m.ScreenHeight[1], 1080);
  m.MasterScaleX[1] = 25;
  m.MasterScaleY[1] = 25;
  EXPECT_FALSE(ScreenResolutionChanged(m, 1));
  EXPECT_FALSE(CalibrationRequired(m, 1, kLoopEntryCalibrationMinimum));

  m.MasterScaleY[1] = 24;
  EXPECT_TRUE(CalibrationRequired(m, 1, kLoopEntryCalibrationMinimum));
  EXPECT_FALSE(CalibrationRequired(m, 1, kMonitorChangeCalibrationMinimum));
  m.MasterScaleY[1] = 343;

  m.SavedMonitorRect[1] = {0, 0, 0, 1920, 1200};
  EXPECT_TRUE(ScreenResolutionChanged(m, 1));
  EXPECT_TRUE(CalibrationRequired(m, 1, kMonitorChangeCalibrationMinimum));
  // A rectangle stored with its corners swapped has the same size.
  m.SavedMonitorRect[1] = {0, 1920, 1080, 0, 0};
  EXPECT_FALSE(ScreenResolutionChanged(m, 1));
  // Nothing saved yet (first start): the empty rectangle differs.
  m.SavedMonitorRect[1] = {};
  EXPECT_TRUE(CalibrationRequired(m, 1, kMonitorChangeCalibrationMinimum));

  std::vector<std::string> log;
  FakeConsoleHost console;
  console.calls = &log;
  ShowCalibrationRequired(console);
  EXPECT_EQ(console.messages.back().title, "Calibration Required");
  EXPECT_EQ(console.messages.back().style, 0x30);
  EXPECT_EQ(console.messages.back().message,
            "It appears that this is either a new installation or your screen resolution has "
            "changed.\\n\\nCalibration is now required.");
}

}  // namespace
}  // namespace lenvari
