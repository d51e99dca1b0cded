// The screen calibration: the keys that size the square, when a monitor must be calibrated, the
// procedure around the square on a scripted host, and calibration through the real program: the
// first start's questions and square, and the scale it stores for each axis and draws with.

#include <QImage>
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "app/examiner/ScreenCalibration.h"
#include "platform/KeyTranslation.h"
#include "platform/qtgui/Canvas.h"
#include "render/CalibrationScreen.h"
#include "render/CalibrationScreenCheck.h"
#include "support/DataFolderText.h"
#include "support/FakeConsoleHost.h"
#include "support/Pixels.h"
#include "support/ProgramRun.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

TEST(CalibrationCheck, ResolutionChangeOrSmallScalesRequireCalibration) {
  Monitors m;
  m.MonitorRect[1] = {0, 0, 0, 1920, 1080};
  m.SavedMonitorRect[1] = {0, 100, 50, 2020, 1130};  // moved, same size
  MeasureScreen(m, 1);
  EXPECT_EQ(std::pair(m.ScreenWidth[1], m.ScreenHeight[1]), std::pair(1920, 1080));
  m.MasterScaleX[1] = 25, m.MasterScaleY[1] = 25;
  EXPECT_EQ(
      Tie(ScreenResolutionChanged(m, 1), CalibrationRequired(m, 1, kLoopEntryCalibrationMinimum)),
      Tie(false, false));
  m.MasterScaleY[1] = 24;
  EXPECT_EQ(Tie(CalibrationRequired(m, 1, kLoopEntryCalibrationMinimum),
                CalibrationRequired(m, 1, kMonitorChangeCalibrationMinimum)),
            Tie(true, false));
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

  FakeConsoleHost console;
  ShowCalibrationRequired(console);  // its words are the texts table's
  EXPECT_EQ(Tie(console.messages.back().title, console.messages.back().style),
            Tie("Calibration Required", 0x30));
}

// Monitor 2 (1280 x 1050 at x 1920) calibrated at `x` by `y`, answering `keys` in turn.
struct Calibration {
  std::vector<std::string> log;
  FakeConsoleHost console;
  Monitors monitors;
  Settings settings;
  std::deque<std::string> keys;
  std::vector<QSize> frames;  // square size of each presented frame
  CalibrationWindowPlacement placement;
  CalibrationScreenHost host;

  Calibration(int x, int y, std::deque<std::string> answers) : keys(std::move(answers)) {
    console.calls = &log;
    monitors.NumberOfMonitors = 2, monitors.CurrentMonitor = 2;
    monitors.MonitorRect[2] = {0, 1920, 0, 3200, 1050};
    monitors.ScreenWidth[2] = 1280, monitors.ScreenHeight[2] = 1050;
    monitors.MasterScaleX[2] = x, monitors.MasterScaleY[2] = y;
    settings.TestDistance[2] = " 20 feet";
    host.closeChartWindow = [this] { log.push_back("close chart"); };
    host.openCalibrationWindow = [this](const CalibrationWindowPlacement& p) {
      placement = p;
      log.push_back("open " + p.caption);
    };
    host.presentCalibrationWindow = [this](Canvas& canvas) {
      EXPECT_EQ(QSize(canvas.PixelWidth(), canvas.PixelHeight()),
                QSize(placement.clientWidth, placement.clientHeight));
      frames.push_back(BlackInk(canvas.Image()).size());
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
  bool Run() { return CalibrateScreen(console, monitors, settings, host); }
};

// A valid scale (25 or more on both axes) is where the square starts and what Escape keeps; an
// invalid one starts again at 343 and must be finished. Arrows (and the remote's "!", "@", "#",
// "$") change one axis, "+" and "-" both, never below 1; the letters of the arrow codes alone are
// other commands. One frame a key; nothing is read after the end, and the other monitor is left
// alone.
TEST(CalibrateScreen, StartsFromAValidScaleEnterSavesAndEscapeKeepsOnlyAValidOne) {
  const std::string up = ExtendedKey(keycode::Up), down = ExtendedKey(keycode::Down);
  const std::string left = ExtendedKey(keycode::Left), right = ExtendedKey(keycode::Right);
  std::deque<std::string> toOne(26, "-");  // from 25 down to 1 and beyond
  toOne.insert(toOne.end(), {down, "+", "."});
  struct Case {
    int x, y;
    std::deque<std::string> keys;
    bool saved;
    QSize first, last;
    size_t frames, keysLeft;
  };
  const Case cases[] = {
      {0, 0, {"+", "+", "+", "+", "+", "\r", "+"}, true, {343, 343}, {348, 348}, 6, 1},
      {25, 410, {up, left, "."}, true, {25, 410}, {24, 411}, 3, 0},
      {400, 390, {"!", right, "$", down, "@", "@", left, "#", "#", "H", "P", "M", "K", "++", "",
                  "\r"}, true, {400, 390}, {399, 388}, 16, 0},
      {25, 25, toOne, true, {25, 25}, {2, 2}, 29, 0},
      {600, 24, {}, true, {343, 343}, {343, 343}, 1, 0},
      {400, 390, {"+", "+", up, kCalibrationEscape, "+"}, false, {400, 390}, {400, 390}, 4, 1},
      {24, 400, {"+", kCalibrationEscape, "+", "\r"}, true, {343, 343}, {345, 345}, 4, 0}};
  for (const Case& k : cases) {
    SCOPED_TRACE(std::to_string(k.x) + "x" + std::to_string(k.y));
    Calibration c(k.x, k.y, k.keys);
    EXPECT_EQ(c.Run(), k.saved);
    std::vector<std::string> log{"MessageBox Calibrate", "close chart", "open Calibrate",
                                 "close calibration"};
    if (k.saved)
      log.insert(log.end(), {"save " + std::to_string(k.last.width()) + "x" +
                                 std::to_string(k.last.height()),
                             "galleries"});
    EXPECT_EQ(c.log, log);
    const QSize scale(c.monitors.MasterScaleX[2], c.monitors.MasterScaleY[2]);
    EXPECT_EQ(Tie(c.frames.front(), c.frames.size(), scale, c.keys.size(),
                  c.monitors.MasterScaleX[1]),
              Tie(k.first, k.frames, k.last, k.keysLeft, 0));
    // (The box's words are the texts table's; the size it names for the monitor's distance,
    // the Ctrl+A run's.)
    EXPECT_EQ(Tie(c.placement.left, c.placement.top, c.placement.clientWidth,
                  c.placement.clientHeight, c.console.messages.back().style),
              Tie(1920, 0, 1280, 1050, 32));
  }
}

}  // namespace

// Arrows calibrate one axis, so pixels that are not square still give letters of equal
// physical width and height: a 20/200 E is 5 x 200 units, 1000 units being the calibrated
// pixel counts of each axis.
TEST(CalibrationRun, FirstStartLeadsThroughDistanceAndSquareEachAxisApartThenNeverAsksAgain) {
  const std::string data = FreshFolder("data");
  ProgramRunRequest request =
      ScriptRequest("+++++{Right}{Right}{Right}{Right}{Right}{Right}{Right}{Enter}E200{Enter}", data, "OK;OK;OK");
  request.calibratedScale = 0;
  ProgramRunResult run = RunWell(request);
  ExpectFrame(run, run.FrameCount(), {{"MasterScaleX", 355}, {"MasterScaleY", 348}, {"JustOneLetter", "E"},
                                      {"ChartHeight", 3103}});  // 1080 x 1000 / 348
  EXPECT_NE(ReadText(data + "/lvmonitordata.cfg").find("\r\n 355 \r\n 348 \r\n"), std::string::npos);
  const QRect ink = BlackInk(run.Frame(run.FrameCount()));
  EXPECT_NEAR(ink.width(), 355, 1);
  EXPECT_NEAR(ink.height(), 348, 1);

  // A second start asks nothing. (That it reads the scales back is the store's round trip.)
  request.keys = "", request.hasAnswers = false;
  run = RunWell(request);
  EXPECT_FALSE(Printed(run, "Calibration Required")) << run.output;
  EXPECT_EQ(run.FrameCount(), 1);
}

// Ctrl+A to a monitor never calibrated asks its distance before the square, as a first start
// does.
TEST(CalibrationRun, CtrlAToAnUncalibratedMonitorAsksItsDistanceFirst) {
  const std::string data = FreshFolder("data");
  std::string text = MonitorDataText(1, {{0, 0, 1280, 720}, {1280, 0, 3200, 1080}});
  // Monitor 2's scales (lines 14 and 15) back to never calibrated.
  text.replace(text.find(" 400 \r\n 400 \r\n", text.find(" 3200 ")), 14, " 0 \r\n 0 \r\n");
  PutText(data + "/lvmonitordata.cfg", text);

  ProgramRunRequest request = ScriptRequest("{Ctrl+A}{Enter}", data, "OK;10;OK");
  request.screens = "two-monitors.json";
  const ProgramRunResult run = RunWell(request);
  EXPECT_TRUE(Printed(run, "[Calibrate Lenvari Acuity] Enter optical distance")) << run.output;
  EXPECT_TRUE(Printed(run, "measures 4.43 centimeters square")) << run.output;
  EXPECT_EQ(Setting(data, 2, "TestDistance:"), " 10 feet");
  EXPECT_EQ(run.LastState()["CurrentMonitor"].toInt(), 2);
}

}  // namespace lenvari
