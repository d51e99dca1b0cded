// Glyphs rendered alone into an aliased image at 0.4 pixels per chart unit (MasterScaleY 400)
// and measured in pixels.

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <random>
#include <set>
#include <string>

#include "render/ChartPixels.h"
#include "render/Optotype.h"
#include "support/Pixels.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

using testing::Shapes;

struct GlyphImage {
  QImage image;
  double half = 0;  // the window runs from -half to +half units on both axes
  std::string key;  // as drawn: the direction an E or C was turned to

  bool Black(int px, int py) const {
    return image.rect().contains(px, py) && qGray(image.pixel(px, py)) < 128;
  }
  // The pixel holding the point in chart units.
  int Column(double x) const { return static_cast<int>((x + half) / 2.5); }
  int Row(double y) const { return static_cast<int>((y + half) / 2.5); }
  bool BlackAt(double x, double y) const { return Black(Column(x), Row(y)); }
  QRect Ink() const { return BlackInk(image); }
  int InkCount() const { return CountColour(image, Qt::black, 127); }
};

// Draws `key` centred at the origin of a square window of 7.5 letter sizes each way.
GlyphImage RenderGlyph(std::string key, double size, int mirror = 1,
                       ChartMode mode = ChartMode::Other, int* lastDirection = nullptr,
                       std::mt19937* random = nullptr) {
  GlyphImage result{{}, 5 * size * 1.5, {}};
  const int pixels = static_cast<int>(2 * result.half / 2.5 + 0.5);
  Canvas canvas(pixels, pixels);
  canvas.SetScale(-result.half, -result.half, result.half, result.half);
  canvas.SetAntialias(false);
  canvas.Clear(kWhite);
  int ownDirection = 0;
  std::mt19937 ownRandom(7);
  DrawOptotype(canvas, Shapes(), key, kBlack, 0, 0, size, mirror, mode,
               lastDirection ? *lastDirection : ownDirection, random ? *random : ownRandom);
  result.image = canvas.Image().copy();
  result.key = key;
  return result;
}

TEST(OptotypeShapesTest, RecordsComeInLoadOrderWithTheirStructure) {
  const OptotypeShapes& shapes = Shapes();
  std::string names;
  for (const GlyphRecord& record : shapes.records) names += record.name + " ";
  EXPECT_EQ(names,
            "A B C D E F G H K L N O P R S T U V X Z 0 1 SIMPLE1 2 3 4 5 6 7 8 9 h e c b p j . / "
            "Q I M Y J ! Arrow ArrowHalo ");

  // Outlines of 2 to 1024 points; the pictures are several parts in their own 1000-unit box.
  for (const GlyphRecord& record : shapes.records) {
    const bool picture = std::string("hecbpj!").find(record.name) != std::string::npos;
    EXPECT_EQ(record.multiPart, picture) << record.name;
    for (const GlyphOutline& part : record.parts) {
      EXPECT_TRUE(part.size() >= 2 && part.size() <= 1024) << record.name;
      for (const GlyphPoint& point : part) {
        if (picture) EXPECT_TRUE(std::abs(point.x) <= 500 && std::abs(point.y) <= 500) << record.name;
      }
    }
  }
  EXPECT_EQ(GlyphHeaderCount(*shapes.FindRecord("!")), 11);  // 2 x (1 + 4) + the end pair
}

TEST(OptotypeGlyphTest, LettersAndDigitsAreFiveTimesTheSizeHigh) {
  std::vector<std::string> keys{"SIMPLE1"};
  for (char c : std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"))
    keys.push_back(std::string(1, c));
  // The Sloan letters fill their square too (C's opening cuts its right edge to x = 483).
  const std::string square = "DHKNORSVZ";
  for (const std::string& key : keys) {
    const QRect small = RenderGlyph(key, 20).Ink(), large = RenderGlyph(key, 200).Ink();
    EXPECT_EQ(Tie(small.height(), large.height()), Tie(40, 400)) << key;
    if (key.size() == 1 && square.find(key) != std::string::npos)
      EXPECT_EQ(Tie(small.width(), large.width()), Tie(40, 400)) << key;
  }
  EXPECT_EQ(RenderGlyph("C", 200).Ink().width(), 393);
}

TEST(OptotypeGlyphTest, SloanStrokesAreOneFifthOfTheHeight) {
  struct Probe {
    const char* key;
    double x, y;
    bool alongRow;
  };
  // A point inside a stroke, and the direction across it.
  const Probe probes[] = {{"E", -400, -200, true}, {"E", 0, -400, false}, {"E", 0, 0, false},
                          {"H", -400, -300, true}, {"H", 0, 0, false},    {"O", -400, 0, true},
                          {"O", 0, 400, false},    {"C", -400, 0, true},  {"D", -400, 0, true},
                          {"D", 400, 0, true},     {"D", 0, -400, false}, {"Z", 0, -400, false},
                          {"L", -400, 0, true},    {"N", -400, 0, true},  {"U", 400, -300, true},
                          {"F", -400, 300, true},  {"K", -400, 300, true}};
  for (const Probe& p : probes) {
    for (double size : {20.0, 200.0}) {
      const GlyphImage image = RenderGlyph(p.key, size);
      const double k = size / 200;
      const int px = image.Column(p.x * k), py = image.Row(p.y * k);
      ASSERT_TRUE(image.Black(px, py)) << p.key;
      EXPECT_EQ(RunThrough(image.image, px, py, p.alongRow), static_cast<int>(size * 0.4))
          << p.key << " at " << size << " probe " << p.x << "," << p.y;
    }
  }
}

TEST(OptotypeGlyphTest, CountersStayEmptyAndOpeningsOpen) {
  struct Point {
    const char* key;
    double x, y;
    bool ink;
  };
  // Counters and openings, then the strokes around them.
  const Point points[] = {
      {"O", 0, 0, false},     {"D", 0, 0, false},    {"B", 0, -207, false}, {"B", 0, 207, false},
      {"P", 0, -207, false},  {"R", 0, -207, false}, {"A", 0, -60, false},  {"4", -30, 40, false},
      {"6", 0, 160, false},   {"9", 0, -160, false}, {"8", 0, -238, false}, {"8", 0, 225, false},
      {"0", 0, 0, false},     {"Q", 0, 0, false},    {"C", 420, 0, false},  {"G", 400, -70, false},
      {"G", 150, -70, false}, {"O", 400, 0, true},   {"B", 0, 0, true},     {"G", 300, 90, true},
      {"8", 0, -5, true},     {"A", 0, 100, true}};
  for (const Point& p : points)
    EXPECT_EQ(RenderGlyph(p.key, 200).BlackAt(p.x, p.y), p.ink)
        << p.key << " at " << p.x << "," << p.y;
  // The Sloan C keeps its opening of 224 units.
  const GlyphImage c = RenderGlyph("C", 200);
  EXPECT_EQ(RunThrough(c.image, c.Column(440), c.Row(0), false), 90);  // 224 units, centres inside
}

// Pixels of `a` that differ from `b` at the same place and at each neighbour: the aliased
// rasteriser may put an edge one pixel either way when a shape is turned over, so only
// differences beyond that count.
int DifferingBeyondAPixel(const QImage& a, const QImage& b) {
  int differing = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      bool matched = false;
      for (int n = 0; n < 9 && !matched; ++n) {
        const QPoint near(std::clamp(x + n % 3 - 1, 0, b.width() - 1),
                          std::clamp(y + n / 3 - 1, 0, b.height() - 1));
        matched = b.pixel(near) == a.pixel(x, y);
      }
      differing += matched ? 0 : 1;
    }
  }
  return differing;
}

TEST(OptotypeGlyphTest, WIsMUpsideDownAndNineIsSixTurned) {
  const GlyphImage m = RenderGlyph("M", 200);
  const GlyphImage w = RenderGlyph("W", 200);
  EXPECT_EQ(DifferingBeyondAPixel(w.image, m.image.mirrored(false, true)), 0);
  // W's middle V reaches the top edge at x = 0 and ends below at y = -68.
  EXPECT_EQ(Tie(w.BlackAt(0, -480), w.BlackAt(0, -100), w.BlackAt(0, -40)), Tie(true, true, false));

  const QImage six = RenderGlyph("6", 200).image;
  EXPECT_EQ(DifferingBeyondAPixel(RenderGlyph("9", 200).image, six.mirrored(true, true)), 0);
}

TEST(OptotypeGlyphTest, MirroredRoomFlipsTheAsymmetricGlyphsOnly) {
  for (const GlyphKey& entry : Shapes().keys) {
    const GlyphImage direct = RenderGlyph(entry.key, 40);
    ASSERT_GT(direct.InkCount(), 0) << entry.key;
    const QImage expected = entry.mirrored ? direct.image.mirrored(true, false) : direct.image;
    EXPECT_EQ(DifferingBeyondAPixel(RenderGlyph(entry.key, 40, -1).image, expected), 0)
        << entry.key;
  }
  // Q's tail is drawn at the lower right in direct view; an E opens to the right in direct
  // view and to the left in a mirrored room.
  const GlyphImage q = RenderGlyph("Q", 200);
  EXPECT_EQ(Tie(q.BlackAt(380, 380), q.BlackAt(-380, 380), RenderGlyph("E", 200).BlackAt(400, -200),
                RenderGlyph("E", 200, -1).BlackAt(400, -200)),
            Tie(true, false, false, true));
}

TEST(OptotypeGlyphTest, KeysOutsideTheTableDrawNothingAndStayUnchanged) {
  for (const char* key : {"x", " ", "w", "", "a", "Ariel", "CC", "simple1"}) {
    const GlyphImage image = RenderGlyph(key, 40, 1, ChartMode::TumblingE);
    EXPECT_EQ(Tie(image.InkCount(), image.key), Tie(0, key));
  }
}

TEST(OptotypeGlyphTest, PicturesCarryTheirOwnEnlargement) {
  for (const char* key : {"h", "e", "c", "b", "p", "j"}) {
    const GlyphImage image = RenderGlyph(key, 20, 1);
    const QRect box = image.Ink();
    const int extent = std::max(box.width(), box.height());
    // About 2.3 to 2.6 times a 40-pixel letter; the parts may stop short of the design box.
    EXPECT_TRUE(extent >= 80 && extent <= 104) << key << " " << extent;
    // Similar visual weight: the inked share of the picture's own square.
    const double share = static_cast<double>(image.InkCount()) / (extent * extent);
    EXPECT_TRUE(share > 0.25 && share < 0.65) << key << " " << share;
  }
}

// Where the opening is seen by the patient: on the screen, left and right swap in a mirror.
QPointF OpeningOnScreen(const std::string& seen, int mirror, double distance) {
  if (seen == "U") return {0, -distance};
  if (seen == "D") return {0, distance};
  const double side = seen == "R" ? distance : -distance;
  return {side * mirror, 0};
}

TEST(OptotypeOrientationTest, LandoltGapIsOneFifthOfTheRingInEveryDirection) {
  int lastDirection = 0;
  std::mt19937 random(11);
  std::set<std::string> seenKeys;
  for (int mirror : {1, -1}) {
    for (int i = 0; i < 24; ++i) {
      const GlyphImage ring =
          RenderGlyph("C", 200, mirror, ChartMode::LandoltC, &lastDirection, &random);
      const std::string& key = *seenKeys.insert(ring.key).first;
      const QRect box = ring.Ink();
      // 1000 units across; 990 on the gap's axis, where the gap cuts the outer circle.
      const bool across = key == "L" || key == "R";
      EXPECT_EQ(Tie(across ? box.height() : box.width(), across ? box.width() : box.height()),
                Tie(400, 396))
          << key;
      // Across the gap halfway through the ring's stroke, and at its inner and outer edges (the
      // sides are parallel): 200 units = 80 pixels; the stroke opposite is as wide as the gap.
      for (double distance : {400, 310, 485, -400}) {
        const QPointF at = OpeningOnScreen(key, mirror, distance);
        const int px = ring.Column(at.x()), py = ring.Row(at.y());
        EXPECT_EQ(ring.Black(px, py), distance < 0) << key << " mirror " << mirror;
        EXPECT_EQ(RunThrough(ring.image, px, py, across == (distance < 0)), 80)
            << key << " " << distance;
      }
    }
  }
  EXPECT_EQ(seenKeys, (std::set<std::string>{"L", "U", "R", "D"}));
}

TEST(OptotypeOrientationTest, TumblingEOpensTowardsTheDirectionItReports) {
  int lastDirection = 0;
  std::mt19937 random(5);
  for (int mirror : {1, -1}) {
    std::set<std::string> seenKeys;
    for (int i = 0; i < 16; ++i) {
      const GlyphImage e =
          RenderGlyph("E", 200, mirror, ChartMode::TumblingE, &lastDirection, &random);
      const std::string& key = *seenKeys.insert(e.key).first;
      // Between two prongs on the open side; the stem on the other. In a mirrored room an E
      // opening to the left on the screen is the patient's "R".
      const QPointF open = OpeningOnScreen(key, mirror, 400);
      const QPointF stem = OpeningOnScreen(key, mirror, -400);
      const bool vertical = key == "L" || key == "R";
      const double offX = vertical ? 0 : 200, offY = vertical ? 200 : 0;
      EXPECT_EQ(Tie(e.BlackAt(open.x() + offX, open.y() + offY),
                    e.BlackAt(stem.x() + offX, stem.y() + offY), e.Ink().height()),
                Tie(false, true, 400))
          << key << " mirror " << mirror;
    }
    EXPECT_EQ(seenKeys, (std::set<std::string>{"L", "U", "R", "D"})) << mirror;
  }
}

TEST(OptotypeOrientationTest, SuccessiveRandomOrientationsNeverRepeat) {
  // The tumbling E and the Landolt C share one last direction; the same seed draws the same
  // sequence; outside their modes E and C are the plain letters and keep their keys.
  auto draws = [](unsigned seed, int count, const std::string& letterMode, int& last) {
    std::mt19937 random(seed);
    std::string keys;
    Canvas canvas(4, 4);
    for (int i = 0; i < count; ++i) {
      std::string key = i % 3 == 0 ? "C" : "E";
      const ChartMode mode = !letterMode.empty()   ? ChartModeOf(letterMode)
                             : key == "C"          ? ChartMode::LandoltC
                                                   : ChartMode::TumblingE;
      DrawOptotype(canvas, testing::Shapes(), key, kBlack, 0, 0, 20, i % 2 ? 1 : -1, mode, last,
                   random);
      if (letterMode.empty()) EXPECT_EQ(std::string(1, "LURD"[last - 1]), key);
      keys += key;
    }
    return keys;
  };
  int last = 0;
  const std::string keys = draws(2024, 2000, "", last);
  EXPECT_EQ(std::adjacent_find(keys.begin(), keys.end()), keys.end());
  EXPECT_EQ(std::set<char>(keys.begin(), keys.end()), (std::set<char>{'L', 'U', 'R', 'D'}));
  int again = 0;
  EXPECT_EQ(draws(2024, 20, "", again), keys.substr(0, 20));
  last = 3;
  EXPECT_EQ(Tie(draws(1, 6, "Letter", last), last), Tie("CEECEE", 3));
}

}  // namespace
}  // namespace lenvari
