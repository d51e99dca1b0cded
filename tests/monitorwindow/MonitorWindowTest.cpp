#include <gtest/gtest.h>

#include <cmath>

#include "monitorwindow/MonitorWindowDrawing.h"
#include "monitorwindow/MonitorWindowLayout.h"
#include "monitorwindow/MonitorWindowText.h"
#include "platform/TransferCurve.h"
#include "render/ChartPixels.h"
#include "render/ChartTestFixtures.h"
#include "support/Pixels.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

std::string Rows(std::initializer_list<std::string> rows) {
  std::string text;
  for (const std::string& row : rows) text += row + '\r';
  return text;
}

// A chart on a 1920 x 1080 monitor and a canvas in the monitor window's font.
struct MonitorWindowTest : ::testing::Test {
  State state = testing::MakeChartState(1920, 1080);
  Settings& s = state.settings;
  Canvas measuring{1, 1};
  double sample = 0;
  void SetUp() override {
    SelectMonitorWindowFont(measuring);
    sample = measuring.TextWidth(kMonitorWindowSample);
  }
  MonitorWindowLayout LayOut(ChartMode mode, const std::string& text) {
    return LayOutMonitorWindow(s, state.monitors, MonitorWindowTextOf(mode, text), measuring);
  }
};

}  // namespace

TEST(MonitorWindowText, RowsAreSpelledOutForTheModeShown) {
  // Letters: rows up to the first empty piece, picture keys named, blanks kept.
  using Lines = std::vector<std::string>;
  const MonitorWindowText letters = MonitorWindowTextOf(
      ChartMode::Letter, Rows({"20/40      N C K", "20/30      e b j", "", "X"}));
  EXPECT_EQ(
      Tie(letters.lines, letters.heading + letters.caption, SpellPictureNames("hcp")),
      Tie(Lines{"20/40      N C K", "20/30      horse  bird  jeep "}, "", "hand cake phone "));

  // Tumbling E and Landolt C: a heading and the directions spelled out.
  const MonitorWindowText e = MonitorWindowTextOf(ChartMode::TumblingE, Rows({"20/40      U D L R"}));
  const MonitorWindowText c = MonitorWindowTextOf(ChartMode::LandoltC, "");
  EXPECT_EQ(Tie(e.heading, e.lines, c.heading, c.lines.size()),
            Tie(" TumblingE ", Lines{"20/40      Up   Dn   Lt   Rt  "}, " LandoltC ", 0u));

  // Special tests: their caption only, whatever text the last letter chart left.
  const std::pair<const char*, const char*> captions[] = {
      {"JacksonCross", " 'Shower Drain' "}, {"WorthDot", "  Worth Dot "},
      {"AstigmaticClockDial", "  Clock Dial "}, {"StrongLight", "  Strong Light "},
      {"Disparity", "  Fix. Disparity "}, {"Image", "  Image "}};
  for (const auto& [mode, caption] : captions) {
    const MonitorWindowText special = MonitorWindowTextOf(ChartModeOf(mode), Rows({"20/40      N C K"}));
    EXPECT_EQ(Tie(special.caption, special.lines.size()), Tie(caption, 0u)) << mode;
  }
}

TEST_F(MonitorWindowTest, StoredSizeFollowsTheSampleLineAndThumbnail) {
  const int w = static_cast<int>(std::lround(sample));
  const int t = static_cast<int>(std::floor(1080.0 * w / 1920));
  ASSERT_GT(w, 100);

  // Nothing stored yet, absurd, negative: all become the sample line's size.
  for (const auto& [width, height] : {std::pair{0, 0}, {99999, 99999}, {-5, -7}}) {
    s.MonitorWindowWidth[1] = width, s.MonitorWindowHeight[1] = height;
    EXPECT_TRUE(CheckMonitorWindowSize(s, state.monitors, sample));
    EXPECT_EQ(Tie(s.MonitorWindowWidth[1], s.MonitorWindowHeight[1]), Tie(w, t));
  }
  // The thumbnail doubles the height, and turning it off halves it again.
  s.ThumbnailFlag = 1;
  EXPECT_TRUE(CheckMonitorWindowSize(s, state.monitors, sample));
  EXPECT_EQ(s.MonitorWindowHeight[1], 2 * t);
  EXPECT_FALSE(CheckMonitorWindowSize(s, state.monitors, sample));
  s.ThumbnailFlag = 0;
  EXPECT_TRUE(CheckMonitorWindowSize(s, state.monitors, sample));
  EXPECT_EQ(s.MonitorWindowHeight[1], t);
}

TEST_F(MonitorWindowTest, PositionIsMadeReachable) {
  Monitors& monitors = state.monitors;
  monitors.NumberOfMonitors = 2, monitors.MonitorRect[1] = {0, 0, 0, 1280, 720};
  monitors.MonitorRect[2] = {0, 1280, 0, 3200, 1080};
  s.MonitorWindowWidth[1] = 200, s.MonitorWindowHeight[1] = 112;
  struct Case { int x, y, expectX, expectY; };
  const Case cases[] = {
      {-32000, 300, 0, 300},    // minimised on one axis
      {-32000, -32000, 0, 0},
      {3000, 900, 3000, 900},   // on the second monitor
      {1200, 700, 1200, 700},   // partly off the first monitor, still reachable
      {5000, 100, 0, 0},        // a monitor that is no longer there
      {-400, -300, 0, 0},
  };
  for (const Case& c : cases) {
    s.MonitorWindowX[1] = c.x, s.MonitorWindowY[1] = c.y;
    PlaceMonitorWindowOnDesktop(s, monitors);
    EXPECT_EQ(Tie(s.MonitorWindowX[1], s.MonitorWindowY[1]), Tie(c.expectX, c.expectY))
        << c.x << "," << c.y;
  }
}

TEST_F(MonitorWindowTest, RowsGrowTheWindowWithoutChangingTheStoredSize) {
  CheckMonitorWindowSize(s, state.monitors, sample);
  const int w = s.MonitorWindowWidth[1], h = s.MonitorWindowHeight[1];
  const double line = measuring.TextHeight();

  const std::string six = Rows({"20/40      D S R K N", "20/30      C K Z O H", "20/25      O N R K D",
                                "20/20      K Z V D C", "20/15      V S H Z O", "20/10      N V O S H"});
  MonitorWindowLayout layout = LayOut(ChartMode::Letter, six);
  EXPECT_EQ(layout.height, std::max(h, static_cast<int>(std::ceil(h / 2.0 + line * 9.5))));
  EXPECT_GT(layout.height, h);
  EXPECT_EQ(Tie(layout.width, s.MonitorWindowHeight[1]), Tie(w, h));

  // The heading of the tumbling E takes a line more; a special test and an empty text keep
  // the stored size; a long row widens it.
  EXPECT_EQ(LayOut(ChartMode::TumblingE, six).height,
            static_cast<int>(std::ceil(h / 2.0 + line * 10.5)));
  for (const MonitorWindowLayout& kept :
       {LayOut(ChartMode::WorthDot, six), LayOut(ChartMode::Letter, "")})
    EXPECT_EQ(Tie(kept.width, kept.height), Tie(w, h));
  EXPECT_GT(
      LayOut(ChartMode::Letter, Rows({"20/400     horse bird jeep hand cake phone horse"})).width,
      w);
}

TEST_F(MonitorWindowTest, ThumbnailIsACopyOfThePatientDisplay) {
  const std::unique_ptr<Canvas> frame = testing::RenderFrame(state);
  s.ThumbnailFlag = 1;
  CheckMonitorWindowSize(s, state.monitors, sample);
  const MonitorWindowText text = MonitorWindowTextOf(state.chart.Mode, state.MonitorText);
  const MonitorWindowLayout layout = LayOutMonitorWindow(s, state.monitors, text, measuring);
  Canvas canvas(layout.width, layout.height);
  DrawMonitorWindow(layout, text, frame.get(), canvas);  // its lines: the run's test
  const QImage& image = canvas.Image();
  // Text ink in the upper part, where the rows are printed.
  EXPECT_GT(DarkPixels(image, QRect(0, 0, layout.width, static_cast<int>(layout.lineHeight * 2))), 40);

  // The white chart stays white away from the letters, inside the light grey window (that the
  // thumbnail follows every frame is the run's test).
  const RectF box = layout.thumbnailBox;
  const QRect area = PixelsInside(box.left, box.top, box.right, box.bottom);
  EXPECT_EQ(CountColour(image.copy(area.left() + 1, area.top() + 1, 3, 3), Qt::white, 5), 9);
  EXPECT_LT(qGray(image.pixel(0, layout.height - 2)), 240);
  // The frame around it: a one-pixel pen centred on a pixel edge, half in each of the two
  // pixels, which together lack as much light as one pixel of ink.
  const int outlineX = static_cast<int>(layout.outlineBox.left);
  double lacking = 0;
  for (int x : {outlineX - 1, outlineX})
    lacking += 1 - DisplayLight(qGray(image.pixel(x, area.center().y())), 0) / DisplayLight(236, 0);
  EXPECT_NEAR(lacking, 1, 0.05);
}

}  // namespace lenvari
