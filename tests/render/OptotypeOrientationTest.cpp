#include <gtest/gtest.h>

#include <algorithm>
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
    std::set<std::string> seenKeys;
    for (int i = 0; i < 16; ++i) {
      std::string key = "E";
      const GlyphImage e = RenderGlyph(key, 200, mirror, "TumblingE", &lastDirection, &random);
      seenKeys.insert(key);
      // Between two prongs on the open side; the stem on the other. In a mirrored room an E
      // opening to the left on the screen is the patient's "R".
      const Opening open = OpeningOnScreen(key, mirror, 400);
      const Opening stem = OpeningOnScreen(key, mirror, -400);
      const bool vertical = key == "L" || key == "R";
      const double offX = vertical ? 0 : 200, offY = vertical ? 200 : 0;
      EXPECT_FALSE(e.BlackAt(open.x + offX, open.y + offY)) << key << " mirror " << mirror;
      EXPECT_TRUE(e.BlackAt(stem.x + offX, stem.y + offY)) << key << " mirror " << mirror;
      EXPECT_EQ(e.Ink().Height(), 400);
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
      const std::string mode =
          !letterMode.empty() ? letterMode : key == "C" ? "LandoltC" : "TumblingE";
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
  EXPECT_EQ(draws(1, 6, "Letter", last), "CEECEE");
  EXPECT_EQ(last, 3);
}

}  // namespace
}  // namespace lenvari
