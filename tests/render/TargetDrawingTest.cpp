// The special targets and image mode, drawn by DrawChart and measured in pixels. (Every target
// drawn in a mirrored room under the sanitizers is the partial repaint's run.)

#include <gtest/gtest.h>

#include <QPainter>

#include <cmath>
#include <numbers>
#include <set>

#include "render/ChartPixels.h"
#include "render/ChartTestFixtures.h"
#include "support/DataFolderText.h"
#include "support/ProgramRun.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

using namespace lenvari::testing;

State TargetState(const char* mode, int sizeNow = 6) {
  State state = MakeChartState();
  state.chart.Mode = ChartModeOf(mode), state.chart.SizeNow = sizeNow, state.settings.SmoothingFlag = 0;
  return state;
}

// Extent in units of the colour run through (x, y) along the row, left and right.
double RunWidthUnits(const Canvas& canvas, double x, double y) {
  const PointF p = canvas.ToPixels({x, y});
  return RunThrough(canvas.Image(), static_cast<int>(p.x), static_cast<int>(p.y), true) *
         canvas.UnitsPerPixelX();
}

TEST(TargetDrawing, CrossCylinderDotsAtTwentyForty) {
  State state = TargetState("JacksonCross");
  state.chart.Mask = 1, state.chart.RG = 1;
  auto canvas = RenderFrame(state);
  EXPECT_EQ(Tie(state.chart.Mask, state.chart.RG), Tie(0, 0));
  EXPECT_NEAR(RunWidthUnits(*canvas, 0, 0), 200, 6);
  const auto blackAt = [&](double radius, double degrees) {
    const double r = degrees * std::numbers::pi / 180;
    return PixelAtUnits(*canvas, radius * std::cos(r), radius * std::sin(r)) == kInk;
  };
  for (int a = 0; a < 360; a += 30)  // six dots on the inner ring, twelve on the outer
    EXPECT_TRUE(blackAt(722, a) && (a % 60 || blackAt(380, a))) << a;
  // Between centre and ring, and between the rings.
  ExpectColours(*canvas, {{190, 0, kPaper}, {0, 560, kPaper}});
  EXPECT_NEAR(RunWidthUnits(*canvas, 722, 0), 200, 6);
  // Contrast follows the foreground, and no labels are drawn.
  state.chart.Foreground = 90;
  ExpectColours(*RenderFrame(state), {{0, 0, QColor(229, 229, 229)}, {-2700, 1450, kPaper}});
}

TEST(TargetDrawing, WorthFourAndThreeDotsInEitherGlasses) {
  State state = TargetState("WorthDot", 3);  // D = 20
  auto canvas = RenderFrame(state);
  ExpectColours(*canvas, {{0, -180, kRed}, {-180, 0, kGreen}, {180, 0, kGreen}, {0, 180, kPaper}, {0, 0, kInk}});
  EXPECT_NEAR(RunWidthUnits(*canvas, 180, 0), 100, 6);
  EXPECT_NEAR(RunWidthUnits(*canvas, 0, 180), 100, 6);

  state.settings.RedGreenOrRedBlue = "RedBlue", state.settings.Mirror[1] = -1;
  ExpectColours(*RenderFrame(state), {{-180, 0, kBlue}, {180, 0, kBlue}, {0, -180, kRed}});

  state.settings.WorthDotMode[1] = 3, state.settings.RedGreenOrRedBlue = "RedGreen";
  state.settings.Mirror[1] = 1;
  // s = 80, e = 100: centres at 0 and +-(1.5 s + e) = +-220.
  ExpectColours(*RenderFrame(state), {{0, 220, kGreen}, {0, 0, kPaper}, {0, -220, kRed}});
}

TEST(TargetDrawing, FixationDisparityBarsAndFusionLock) {
  State state = TargetState("Disparity", 13);
  auto canvas = RenderFrame(state);
  // The bars; the fusion lock: a white ring between radius 37.5 and 75.
  ExpectColours(*canvas, {{0, -450, kRed}, {-450, 0, kRed}, {0, 450, kGreen}, {450, 0, kGreen},
                          {0, 770, kInk}, {0, 130, kInk}, {56, 0, kPaper}, {0, 0, kInk}});
  EXPECT_NEAR(RunWidthUnits(*canvas, 0, 450), 75, 6);
  // Same size whatever the letter size; with the lock off the centre is empty.
  state.chart.SizeNow = 1, state.settings.FixDispFusionLock[1] = 0;
  state.settings.RedGreenOrRedBlue = "RedBlue", state.settings.Mirror[1] = -1;
  canvas = RenderFrame(state);
  ExpectColours(*canvas, {{56, 0, kInk}, {0, 450, kBlue}, {450, 0, kBlue}});
  EXPECT_NEAR(RunWidthUnits(*canvas, 0, 450), 75, 6);
}

TEST(TargetDrawing, StrongLightIsALetterHeightDisc) {
  State state = TargetState("StrongLight", 12);  // D = 200
  auto canvas = RenderFrame(state);
  EXPECT_NEAR(RunWidthUnits(*canvas, 0, 0), 1000, 6);
  ExpectColours(*canvas, {{0, 0, kPaper}, {600, 0, kInk}});
}

TEST(TargetDrawing, ClockDialSpokesHubAndMirroredHours) {
  State state = TargetState("AstigmaticClockDial");
  state.chart.Mask = 1;
  auto direct = RenderFrame(state);
  EXPECT_EQ(state.chart.Mask, 0);
  const double ch = state.monitors.ChartHeight;
  const double rIn = std::nearbyint(0.1 * ch), rOut = std::nearbyint(0.4 * ch);
  // Middle bar of the 3 o'clock spoke, its gaps, and the white hub.
  const double mid = (rIn + rOut) / 2;
  ExpectColours(*direct, {{mid, 0, kInk}, {mid, ch / 100, kPaper}, {mid, 2 * ch / 100, kInk},
                          {0, 0, kPaper}, {rIn - 5, 0, kPaper}});
  // Three bars each u wide.
  EXPECT_NEAR(RunWidthUnits(*direct, 0, -mid), ch / 100, 6);

  // Mirrored: the dial reads anticlockwise on the screen, the mirror image of the direct one.
  state.settings.Mirror[1] = -1;
  const QImage mirrored = RenderFrame(state)->Image().mirrored(true, false);
  const int blue = CountColour(direct->Image(), kBlue, 0);
  ASSERT_GT(blue, 2000);
  int blueInBoth = 0;
  for (int y = 0; y < mirrored.height(); ++y) {
    for (int x = 0; x < mirrored.width(); ++x)
      blueInBoth +=
          mirrored.pixel(x, y) == kBlue.rgb() && direct->Image().pixel(x, y) == kBlue.rgb();
  }
  EXPECT_GT(blueInBoth, blue * 8 / 10);

  state.settings.AstigMode = "DialNoLabels", state.settings.Mirror[1] = 1;
  auto plain = RenderFrame(state);
  EXPECT_EQ(CountColour(plain->Image(), kBlue, 0), 0);
  ExpectColours(*plain, {{0, 0, kPaper}});

  // The rotating arrow is not drawn yet: a line of text at the top left, and no dial.
  state.settings.AstigMode = "RotatingArrow";
  auto arrow = RenderFrame(state);
  EXPECT_GT(DarkPixels(arrow->Image(), QRect(0, 0, 400, 40)), 100);
  ExpectColours(*arrow, {{mid, 0, kPaper}});
}

// Hour labels grow no larger than the band between the spokes' ends and the frame's edge: at
// every scale each label is drawn whole and no label pixel touches a spoke.
TEST(TargetDrawing, ClockDialHoursStayOnScreenAndOffTheSpokes) {
  for (int scale : {250, 517, 800}) {
    for (int mirror : {1, -1}) {
      State state = MakeChartState(1920, 1080, scale);
      state.chart.Mode = ChartMode::AstigmaticClockDial, state.settings.SmoothingFlag = 0;
      state.settings.Mirror[1] = mirror;
      auto frame = RenderFrame(state);
      const QImage& image = frame->Image();
      auto blue = [&](int x, int y) {
        return image.rect().contains(x, y) && image.pixel(x, y) == qRgb(0, 0, 255);
      };
      auto dark = [&](int x, int y) {
        return image.rect().contains(x, y) && qRed(image.pixel(x, y)) < 128 &&
               qBlue(image.pixel(x, y)) < 128;
      };
      // Every hour is there: blue beyond the spokes' ends within 0.12 radians of each of the
      // twelve directions.
      const PointF centre = frame->ToPixels({0, 0});
      const double rOut =
          frame->ToPixels({std::nearbyint(0.4 * state.monitors.ChartHeight), 0}).x - centre.x;
      int onEdge = 0, touching = 0;
      std::set<int> hours;
      for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
          if (!blue(x, y)) continue;
          onEdge += x == 0 || y == 0 || x == image.width() - 1 || y == image.height() - 1;
          for (int n = 0; n < 9; ++n) touching += dark(x + n % 3 - 1, y + n / 3 - 1);
          const double r = std::hypot(x - centre.x, y - centre.y);
          const double hour = std::atan2(y - centre.y, x - centre.x) * 6 / std::numbers::pi;
          const bool nearAnHour = std::abs(hour - std::round(hour)) * std::numbers::pi / 6 <= 0.12;
          if (r >= rOut && r < 1.4 * rOut && nearAnHour)
            hours.insert((static_cast<int>(std::lround(hour)) + 12) % 12);
        }
      }
      EXPECT_EQ(Tie(onEdge, touching, hours.size()), Tie(0, 0, 12u))
          << "scale " << scale << " mirror " << mirror;
    }
  }
}

void WriteBmp(const std::string& path, int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(QColor(200, 40, 40));
  QPainter(&image).fillRect(0, 0, width / 4, height, QColor(40, 40, 200));  // blue left end
  ASSERT_TRUE(image.save(QString::fromStdString(path), "BMP"));
}

TEST(TargetDrawing, ImageFitsTheChartAndBadFilesGiveBlack) {
  const std::string folder = FreshFolder("images");
  State state = TargetState("Image");
  state.DataPath = folder, state.chart.ImageNum = 1;
  // Twice as wide as the screen's proportions: full width, centred vertically.
  WriteBmp(folder + "/LVimg1.bmp", 640, 180);
  auto canvas = RenderFrame(state);
  const QImage& image = canvas->Image();
  const auto red = [](QRgb p) { return qRed(p) > 100; };
  EXPECT_NEAR(CountWhere(image, QRect(960, 0, 1, 1080), red), 1920.0 * 180 / 640, 2);
  EXPECT_TRUE(red(image.pixel(960, 540)));
  EXPECT_EQ(image.pixel(960, 20), kInk.rgb());
  EXPECT_GT(QColor(image.pixel(10, 540)).blue(), 150);  // the blue end on the left
  // Mirrored room: the picture is mirrored.
  state.settings.Mirror[1] = -1;
  canvas = RenderFrame(state);
  EXPECT_GT(QColor(canvas->Image().pixel(1910, 540)).blue(), 150);
  EXPECT_LT(QColor(canvas->Image().pixel(10, 540)).blue(), 100);

  // A tall picture fills the height and is centred across.
  state.settings.Mirror[1] = 1, state.chart.ImageNum = 2;
  WriteBmp(folder + "/lvimg2.bmp", 100, 200);
  canvas = RenderFrame(state);
  const QRect middleRow(0, 540, 1920, 1);
  EXPECT_NEAR(CountWhere(canvas->Image(), middleRow, red), 1080.0 * 100 / 200 * 3 / 4, 2);

  // Missing, empty, truncated and foreign files: a black frame, no crash.
  const std::string bmp = ReadText(folder + "/LVimg1.bmp");
  PutText(folder + "/lvimg3.bmp", "");
  PutText(folder + "/lvimg4.bmp", bmp.substr(0, 80));
  PutText(folder + "/lvimg5.bmp", std::string("\x89PNG\r\n\x1a\n not a bitmap at all", 28));
  PutText(folder + "/lvimg6.bmp",
          bmp.substr(0, 54).replace(18, 4, "\xff\xff\xff\x7f"));  // a huge width
  for (int slot : {3, 4, 5, 6, 7}) {
    state.chart.ImageNum = slot;
    EXPECT_EQ(CountColour(RenderFrame(state)->Image(), Qt::black, 0), 1920 * 1080) << slot;
  }
}

}  // namespace
}  // namespace lenvari
