#include <gtest/gtest.h>

#include <set>

#include "tests/render/OptotypeTestImage.h"

namespace lenvari {
namespace {

using testing::GlyphImage;
using testing::RenderGlyph;

// Where the opening is seen by the patient: on the screen, left and right swap in a mirror.
struct Opening {
  double x, y;
};
Opening OpeningOnScreen(const std::string& seen, int mirror, double distance) {
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
      std::string key = "C";
      const GlyphImage ring =
          RenderGlyph(key, 200, mirror, "LandoltC", &lastDirection, &random);
      seenKeys.insert(key);
      const GlyphImage::Box box = ring.Ink();
      // 1000 units across; 990 on the gap's axis, where the gap cuts the outer circle.
      const bool gapAcross = key == "L" || key == "R";
      EXPECT_EQ(gapAcross ? box.Height() : box.Width(), 400) << key;
      EXPECT_EQ(gapAcross ? box.Width() : box.Height(), 396) << key;
      // Across the gap, halfway through the ring's stroke: 200 units = 80 pixels.
      const Opening gap = OpeningOnScreen(key, mirror, 400);
      const int px = ring.Column(gap.x), py = ring.Row(gap.y);
      ASSERT_FALSE(ring.Black(px, py)) << key << " mirror " << mirror;
      const bool vertical = key == "L" || key == "R";
      EXPECT_EQ(ring.RunLength(px, py, !vertical), 80) << key << " mirror " << mirror;
      // Parallel sides: as wide at the inner edge as at the outer edge.
      const Opening inner = OpeningOnScreen(key, mirror, 310);
      const Opening outer = OpeningOnScreen(key, mirror, 485);
      EXPECT_EQ(ring.RunLength(ring.Column(inner.x), ring.Row(inner.y), !vertical), 80);
      EXPECT_EQ(ring.RunLength(ring.Column(outer.x), ring.Row(outer.y), !vertical), 80);
      // The stroke beside the gap is as wide as the gap.
      const Opening opposite = OpeningOnScreen(key, mirror, -400);
      EXPECT_EQ(ring.RunLength(ring.Column(opposite.x), ring.Row(opposite.y), vertical), 80);
    }
  }
  EXPECT_EQ(seenKeys, (std::set<std::string>{"L", "U", "R", "D"}));
}

TEST(OptotypeOrientationTest, TumblingEOpensTowardsTheDirectionItReports) {
  int lastDirection = 0;
  std::mt19937 random(5);
  for (int mirror : {1, -1}) {
    for (int i = 0; i < 16; ++i) {
      std::string key = "E";
      const GlyphImage e = RenderGlyph(key, 200, mirror, "TumblingE", &lastDirection, &random);
      ASSERT_EQ(key.size(), 1u);
      // Between two prongs on the open side; the stem on the other.
      const Opening open = OpeningOnScreen(key, mirror, 400);
      const Opening stem = OpeningOnScreen(key, mirror, -400);
      const bool vertical = key == "L" || key == "R";
      const double offX = vertical ? 0 : 200, offY = vertical ? 200 : 0;
      EXPECT_FALSE(e.BlackAt(open.x + offX, open.y + offY)) << key << " mirror " << mirror;
      EXPECT_TRUE(e.BlackAt(stem.x + offX, stem.y + offY)) << key << " mirror " << mirror;
      EXPECT_EQ(e.Ink().Height(), 400);
    }
  }
  // In a mirrored room an E drawn opening to the left on the screen is the patient's "R".
  int last = 0;
  for (std::mt19937 random2(1);;) {
    std::string key = "E";
    const GlyphImage e = RenderGlyph(key, 200, -1, "TumblingE", &last, &random2);
    if (key != "R") continue;
    EXPECT_FALSE(e.BlackAt(-400, -200));
    EXPECT_TRUE(e.BlackAt(400, -200));
    break;
  }
}

TEST(OptotypeOrientationTest, SuccessiveRandomOrientationsNeverRepeat) {
  // The tumbling E and the Landolt C share one last direction.
  int lastDirection = 0;
  std::mt19937 random(2024);
  std::string previous;
  std::set<std::string> seen;
  for (int i = 0; i < 2000; ++i) {
    std::string key = i % 3 == 0 ? "C" : "E";
    const std::string mode = key == "C" ? "LandoltC" : "TumblingE";
    Canvas canvas(4, 4);
    DrawOptotype(canvas, testing::Shapes(), key, kBlack, 0, 0, 20, i % 2 ? 1 : -1, mode,
                 lastDirection, random);
    ASSERT_NE(key, previous) << "draw " << i;
    ASSERT_EQ(std::string("LURD").substr(static_cast<size_t>(lastDirection - 1), 1), key);
    seen.insert(key);
    previous = key;
  }
  EXPECT_EQ(seen.size(), 4u);
  // The same seed draws the same sequence.
  auto sequence = [](unsigned seed) {
    int last = 0;
    std::mt19937 engine(seed);
    std::string keys;
    Canvas canvas(4, 4);
    for (int i = 0; i < 20; ++i) {
      std::string key = "E";
      DrawOptotype(canvas, testing::Shapes(), key, kBlack, 0, 0, 20, 1, "TumblingE", last, engine);
      keys += key;
    }
    return keys;
  };
  EXPECT_EQ(sequence(99), sequence(99));
  // Outside their modes E and C are the plain letters and keep their keys.
  int last = 3;
  std::mt19937 engine(1);
  for (std::string key : {"E", "C"}) {
    const std::string before = key;
    Canvas canvas(4, 4);
    DrawOptotype(canvas, testing::Shapes(), key, kBlack, 0, 0, 20, 1, "Letter", last, engine);
    EXPECT_EQ(key, before);
  }
  EXPECT_EQ(last, 3);
}

}  // namespace
}  // namespace lenvari
