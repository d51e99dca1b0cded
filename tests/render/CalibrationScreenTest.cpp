// The calibration square: its size in pixels, its prompt, its keys, the procedure around it and
// when it is required.

#include <QImage>
#include <gtest/gtest.h>

#include <deque>
#include <tuple>
#include <vector>

#include "platform/qtgui/Canvas.h"
#include "platform/ConsoleHost.h"
#include "platform/KeyTranslation.h"
#include "render/CalibrationScreen.h"
#include "render/CalibrationScreenCheck.h"
#include "support/FakeConsoleHost.h"
#include "app/examiner/ScreenCalibration.h"
#include "support/Pixels.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

TEST(CalibrationScreen, SideIsTheHeightOfFiftyArcMinutesAndMessageAndPromptCarryIt) {
  EXPECT_DOUBLE_EQ(CalibrationSide(" 20 feet"), 8.87);
  EXPECT_DOUBLE_EQ(CalibrationSide(" 10 feet"), 4.43);
  EXPECT_DOUBLE_EQ(CalibrationSide(" 4 meters"), 5.82);
  EXPECT_DOUBLE_EQ(CalibrationSide(" 12.5 meters"), 18.18);
  // Only the exact word "feet" means feet; anything else is taken as meters.
  EXPECT_DOUBLE_EQ(CalibrationSide(" 20 Feet"), 29.09);
  EXPECT_DOUBLE_EQ(CalibrationSide("feet"), 0.0);
  EXPECT_EQ(CalibrationSideText(18.18), "18.18");
  // The prompt on the square's screen is in no box, so its words are checked here; the box's
  // words are the texts table's, and here only the number it carries, as it is written.
  EXPECT_EQ(CalibrationPrompt(CalibrationSide(" 20 feet")),
            "Use arrow keys or '+' and '-' keys to adjust the box to  8.87 centimeters square, "
            "then press <Enter>.");
  EXPECT_NE(
      CalibrationMessage(5.82).find("until it measures \\n\\n 5.82 centimeters square.  \\n\\n"),
      std::string::npos);
}

// The black square's pixels: its size, and how many of them are pure black.
std::pair<QSize, int> Square(const QImage& image) {
  return {BlackInk(image).size(), CountColour(image, Qt::black, 0)};
}

TEST(CalibrationScreen, SquareHasTheScalesInPixelsCentredOnTheScreen) {
  Canvas canvas(1920 - 3, 1080 - 30);
  DrawCalibrationScreen(canvas, 1920, 1080, 343, 343, 8.87);
  const QImage& image = canvas.Image();

  EXPECT_EQ(Square(image), std::pair(QSize(343, 343), 343 * 343));  // solid, no grey fringe
  // Centred on the monitor, not on the window's smaller client area.
  const QRect ink = BlackInk(image);
  EXPECT_EQ(Tie(std::abs(ink.left() + ink.right() + 1 - 1920) <= 1,
                std::abs(ink.top() + ink.bottom() + 1 - 1080) <= 1),
            Tie(true, true));

  // The prompt is red, on two lines: the size to reach, then what the keys do.
  QRect red;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qRed(image.pixel(x, y)) > 200 && qGreen(image.pixel(x, y)) < 80 && qBlue(image.pixel(x, y)) < 80)
        red |= QRect(x, y, 1, 1);
  EXPECT_LT(red.top(), 8);
  EXPECT_GT(red.bottom(), 30);
  EXPECT_LT(red.bottom(), 52);  // 16 points = 21 pixels of font height, twice
  EXPECT_GT(red.right(), 400);  // one long line

  // Non-square pixels get a rectangle; an odd height puts the centre between pixels.
  Canvas odd(1280 - 3, 1025 - 30);
  DrawCalibrationScreen(odd, 1280, 1025, 300, 351, 8.87);
  EXPECT_EQ(Square(odd.Image()), std::pair(QSize(300, 351), 300 * 351));
}

TEST(CalibrationKeys, ArrowsAndRemoteButtonsChangeOneAxisPlusAndMinusBoth) {
  const std::string up = ExtendedKey(keycode::Up), down = ExtendedKey(keycode::Down);
  const std::string left = ExtendedKey(keycode::Left), right = ExtendedKey(keycode::Right);
  int x = 343, y = 343;
  const auto apply = [&](std::initializer_list<std::string> keys) {
    for (const std::string& key : keys) ApplyCalibrationKey(key, x, y);
    return std::pair(x, y);
  };
  EXPECT_FALSE(ApplyCalibrationKey(up, x, y));  // false: not the end of the calibration
  EXPECT_EQ(apply({"!", right, "$"}), std::pair(345, 345));
  EXPECT_EQ(apply({down, "@", "@"}), std::pair(345, 342));
  EXPECT_EQ(apply({left, "#", "#"}), std::pair(342, 342));
  // The letters of the arrow codes alone are other commands, not arrows.
  for (const char* other : {"H", "P", "M", "K", "++", ""})
    EXPECT_FALSE(ApplyCalibrationKey(other, x, y)) << other;
  EXPECT_EQ(std::pair(x, y), std::pair(342, 342));
  EXPECT_TRUE(ApplyCalibrationKey("\r", x, y) && ApplyCalibrationKey(".", x, y));
  // "-" shrinks both axes, and no scale goes below 1.
  x = 2, y = 1;
  EXPECT_EQ(apply({"-", "-", down}), std::pair(1, 1));
  EXPECT_EQ(apply({"+"}), std::pair(2, 2));
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

TEST(CalibrateScreen, FreshMonitorStartsAt343AndSavesTheSizeAtEnter) {
  Calibration c(0, 0, {"+", "+", "+", "+", "+", "\r", "+"});
  c.Run();
  EXPECT_EQ(c.log,
            (std::vector<std::string>{"MessageBox Calibrate", "close chart", "open Calibrate",
                                      "close calibration", "save 348x348", "galleries"}));
  EXPECT_EQ(c.console.messages.back().style, 32);
  EXPECT_NE(c.console.messages.back().message.find("measures \\n\\n 8.87 centimeters"),
            std::string::npos);
  EXPECT_EQ(
      Tie(c.placement.left, c.placement.top, c.placement.clientWidth, c.placement.clientHeight),
      Tie(1920, 0, 1280, 1050));
  EXPECT_EQ(Tie(c.frames.size(), c.frames.back()), Tie(6u, QSize(348, 348)));  // one a key
  EXPECT_EQ(c.monitors.MasterScaleX[1], 0);  // other monitors untouched
}

// A valid scale (25 or more on both axes) is where the square starts and what Escape keeps; an
// invalid one starts again at 343 and must be finished. Nothing is read after the end.
TEST(CalibrateScreen, StartsFromAValidScaleEnterSavesAndEscapeKeepsOnlyAValidOne) {
  const std::string up = ExtendedKey(keycode::Up), left = ExtendedKey(keycode::Left);
  struct Case {
    int x, y;
    std::deque<std::string> keys;
    bool saved;
    QSize first, last;
    size_t keysLeft;
  };
  const Case cases[] = {
      {0, 0, {"+", "+", "+", "+", "+", "\r", "+"}, true, {343, 343}, {348, 348}, 1},
      {25, 410, {up, left, "."}, true, {25, 410}, {24, 411}, 0},
      {600, 24, {}, true, {343, 343}, {343, 343}, 0},
      {400, 390, {"+", "+", up, kCalibrationEscape, "+"}, false, {400, 390}, {400, 390}, 1},
      {24, 400, {"+", kCalibrationEscape, "+", "\r"}, true, {343, 343}, {345, 345}, 0}};
  for (const Case& k : cases) {
    Calibration c(k.x, k.y, k.keys);
    EXPECT_EQ(c.Run(), k.saved) << k.x << "x" << k.y;
    const QSize scale(c.monitors.MasterScaleX[2], c.monitors.MasterScaleY[2]);
    EXPECT_EQ(Tie(c.frames.front(), scale, c.keys.size(), c.log.back()),
              Tie(k.first, k.last, k.keysLeft, k.saved ? "galleries" : "close calibration"))
        << k.x << "x" << k.y;
  }
}

TEST(CalibrationCheck, ResolutionChangeOrSmallScalesRequireCalibration) {
  Monitors m;
  m.MonitorRect[1] = {0, 0, 0, 1920, 1080};
  m.SavedMonitorRect[1] = {0, 100, 50, 2020, 1130};  // moved, same size
  MeasureScreen(m, 1);
  EXPECT_EQ(std::pair(m.ScreenWidth[1], m.ScreenHeight[1]), std::pair(1920, 1080));
  m.MasterScaleX[1] = 25, m.MasterScaleY[1] = 25;
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

  FakeConsoleHost console;
  ShowCalibrationRequired(console);  // its words are the texts table's
  EXPECT_EQ(Tie(console.messages.back().title, console.messages.back().style),
            Tie("Calibration Required", 0x30));
}

}  // namespace
}  // namespace lenvari
