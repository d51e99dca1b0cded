// The curved letters, built from their construction: rings and bowls of given radii with a vertex
// every 5 degrees (J every 10), straight stems and bars between them. Outlines run clockwise on
// the screen, counters anticlockwise, so the non-zero fill leaves the counters empty.

#include <cmath>

#include "render/OptotypeGeometry.h"
#include "render/OptotypeShapes.h"

namespace lenvari {
namespace {

constexpr double kPi = 3.14159265358979323846;

double Degrees(double radians) { return radians * 180.0 / kPi; }
// The angle at which a horizontal line at height `y` meets the circle of radius `r` on its
// right-hand side (0 .. 90 degrees for y >= 0).
double RightAngleAt(double y, double r) { return Degrees(std::asin(y / r)); }

GlyphRecord Record(const char* name, GlyphOutline outline) {
  return {name, 0, false, {std::move(outline)}};
}

// The ring between radius 500 and 300, the counter reached along a slit at angle 0.
GlyphOutline LetterO() { return EllipseRing(0, 0, 500, 500, 300, 300); }

// The O ring opened on the right between y = -112 and +112, from the inner circle out to x = 482.
GlyphOutline LetterC() {
  GlyphOutline c;
  AppendPoint(c, 482, 112);
  AppendCircleArc(c, 0, 0, 500, 15, 345);  // the first and last 5-degree vertices off the opening
  AppendPoint(c, 482, -112);
  const double inner = RightAngleAt(112, 300);
  AppendCircleArc(c, 0, 0, 300, 360 - inner, inner);
  return c;
}

// The O ring opened on the upper right between y = -146 and y = 0, with a bar over x = 0..482,
// y = 0..180 whose upper edge is the lower edge of the opening.
GlyphOutline LetterG() {
  GlyphOutline g;
  AppendCircleArc(g, 0, 0, 500, RightAngleAt(180, 500), 360 - RightAngleAt(146, 500));
  AppendCircleArc(g, 0, 0, 300, 360 - RightAngleAt(146, 300), RightAngleAt(180, 300));
  AppendPoint(g, 0, 180);
  AppendPoint(g, 0, 0);
  AppendPoint(g, 482, 0);
  AppendPoint(g, 482, 180);
  return g;
}

// Stem x = -500..-300, bars of height 200 to x = 80, a right side rounded with radius 420 about
// (80, -80) and (80, 80); the counter has corners of radius 220 about the same centres.
GlyphOutline LetterD() {
  GlyphOutline outer{{-500, -500}};
  AppendPoint(outer, 80, -500);
  AppendCircleArc(outer, 80, -80, 420, -90, 0);
  AppendCircleArc(outer, 80, 80, 420, 0, 90);
  AppendPoint(outer, -500, 500);
  GlyphOutline counter{{-300, -300}};
  AppendPoint(counter, -300, 300);
  AppendCircleArc(counter, 80, 80, 220, 90, 0);
  AppendCircleArc(counter, 80, -80, 220, 0, -90);
  return JoinLoops({outer, counter});
}

// Stems x = -500..-300 and 300..500 from the top to y = 0, joined below by the lower half of
// the O ring.
GlyphOutline LetterU() {
  GlyphOutline u{{-500, -500}, {-300, -500}};
  AppendCircleArc(u, 0, 0, 300, 180, 0);
  AppendPoint(u, 300, -500);
  AppendPoint(u, 500, -500);
  AppendCircleArc(u, 0, 0, 500, 0, 180);
  return u;
}

// Stem x = 150..350 down to y = 150, then the lower half of the ring of radii 350 and 150 about
// (0, 150), a vertex every 10 degrees.
GlyphOutline LetterJ() {
  GlyphOutline j{{150, -500}, {350, -500}};
  AppendCircleArc(j, 0, 150, 350, 0, 180, 10);
  AppendCircleArc(j, 0, 150, 150, 180, 0, 10);
  return j;
}

// The bowls of B, P and R: outer radius 293 about (207, -207) and (207, 207); the counters run
// from the stem's inner edge x = -330 to half-circles of radius 123 about the same centres.
constexpr double kBowl = 293, kBowlCounter = 123, kBowlCentre = 207, kStemInner = -330;

GlyphOutline UpperBowlCounter() {
  GlyphOutline counter{{static_cast<int>(kStemInner), -84}};
  AppendPoint(counter, kBowlCentre, -84);
  AppendCircleArc(counter, kBowlCentre, -kBowlCentre, kBowlCounter, 90, -90);
  AppendPoint(counter, kStemInner, -330);
  return counter;
}

GlyphOutline LetterB() {
  GlyphOutline outer{{-500, 0}, {-500, -500}};
  AppendPoint(outer, kBowlCentre, -500);
  AppendCircleArc(outer, kBowlCentre, -kBowlCentre, kBowl, -90, 45);  // ends at (414, 0)
  AppendCircleArc(outer, kBowlCentre, kBowlCentre, kBowl, -45, 90);
  AppendPoint(outer, -500, 500);
  GlyphOutline lower{{static_cast<int>(kStemInner), 84}};
  AppendPoint(lower, kStemInner, 330);
  AppendPoint(lower, kBowlCentre, 330);
  AppendCircleArc(lower, kBowlCentre, kBowlCentre, kBowlCounter, 90, -90);
  // Both slits cross the stem and the middle bar.
  return JoinLoops({outer, UpperBowlCounter(), lower});
}

// The stem and the upper bowl of B, the bowl closing at its lower edge y = 85; `leg` adds R's
// leg from that edge to the bottom right.
GlyphOutline LetterPOrR(bool leg) {
  GlyphOutline outer{{-500, -500}};
  AppendPoint(outer, kBowlCentre, -500);
  AppendCircleArc(outer, kBowlCentre, -kBowlCentre, kBowl, -90, 90);  // ends at (207, 86)
  if (leg) {
    AppendPoint(outer, 500, 500);
    AppendPoint(outer, 300, 500);
    AppendPoint(outer, 0, 85);
  }
  AppendPoint(outer, kStemInner, 85);
  AppendPoint(outer, kStemInner, 500);
  AppendPoint(outer, -500, 500);
  return JoinLoops({outer, UpperBowlCounter()});
}

// Two bowls, rings of outer radius 293 and inner radius 123: the upper about (-207, -207) open
// to the lower right, the lower about (207, 207) open to the upper left, each ending in a
// quarter-ring terminal with a horizontal cut, and a diagonal spine between them. The spine's
// edges leave the bowls at the angles below and bow very slightly; the letter is symmetric
// under a half turn, so the lower half is built as the upper one turned.
GlyphOutline LetterS() {
  constexpr double kOuterEnd = 95;   // where the upper bowl's outer edge becomes the spine
  constexpr double kInnerEnd = 75;   // where the upper counter's edge becomes the spine
  constexpr double kBow = 8;         // how far the spine's edges bow out of the straight line
  const double c = kBowlCentre;
  auto onCircle = [](double cx, double cy, double r, double degrees) {
    const double a = degrees * kPi / 180.0;
    return std::pair<double, double>{cx + r * std::cos(a), cy + r * std::sin(a)};
  };
  // One half: from the lower-left end of the spine's lower edge (on the upper bowl's outer
  // circle) round the upper bowl, along the top, through the upper terminal and back along the
  // counter to the spine's upper edge, then down that edge to the lower bowl's outer circle.
  GlyphOutline half;
  AppendCircleArc(half, -c, -c, kBowl, kOuterEnd, 270);
  AppendPoint(half, c, -500);
  AppendCircleArc(half, c, -c, kBowl, 270, 360);          // upper terminal, outside
  AppendCircleArc(half, c, -c, kBowlCounter, 360, 270);   // upper terminal, inside
  AppendCircleArc(half, -c, -c, kBowlCounter, 270, kInnerEnd);
  const auto [fromX, fromY] = onCircle(-c, -c, kBowlCounter, kInnerEnd);
  const auto [toX, toY] = onCircle(c, c, kBowl, kOuterEnd + 180);
  // The control point sits off the chord's midpoint by twice the bow, towards the upper right.
  const double dx = toX - fromX, dy = toY - fromY, length = std::hypot(dx, dy);
  AppendCurve(half, fromX, fromY, (fromX + toX) / 2 + 2 * kBow * dy / length,
              (fromY + toY) / 2 - 2 * kBow * dx / length, toX, toY, 8);
  GlyphOutline s = half;
  const GlyphOutline other = Turned(half);
  s.insert(s.end(), other.begin() + 1, other.end() - 1);
  return s;
}

// The O ring with a tail of width 200 along the diagonal x + y = 0, crossing the ring at the
// lower left: its outer end cut between (-359, 500) and (-500, 359), its inner end between
// (-200, 59) and (-59, 200). The renderer negates x, which puts the tail at the lower right.
GlyphOutline LetterQ() {
  constexpr double kHalf = 141;  // the tail's edges are x + y = +141 and x + y = -141
  // Angles at which the edges meet a circle of radius r: r (cos a + sin a) = edge.
  auto edgeAngle = [](double edge, double r) {
    return Degrees(kPi - std::asin(edge / (r * std::sqrt(2.0)))) - 45;
  };
  GlyphOutline outer;
  AppendCircleArc(outer, 0, 0, 500, edgeAngle(-kHalf, 500), edgeAngle(kHalf, 500) + 360);
  AppendPoint(outer, -359, 500);
  AppendPoint(outer, -500, 359);
  GlyphOutline counter;
  AppendCircleArc(counter, 0, 0, 300, edgeAngle(kHalf, 300), edgeAngle(-kHalf, 300) - 360);
  AppendPoint(counter, -200, 59);
  AppendPoint(counter, -59, 200);
  return JoinLoops({outer, counter});
}

}  // namespace

std::vector<GlyphRecord> CurvedLetterRecords() {
  return {Record("O", LetterO()), Record("C", LetterC()), Record("G", LetterG()),
          Record("D", LetterD()), Record("U", LetterU()), Record("J", LetterJ()),
          Record("B", LetterB()), Record("P", LetterPOrR(false)), Record("R", LetterPOrR(true)),
          Record("S", LetterS()), Record("Q", LetterQ())};
}

// The O ring with a parallel-sided opening on the right as wide as the stroke: y = -100..+100.
GlyphOutline LandoltRingOutline() {
  GlyphOutline ring;
  AppendCircleArc(ring, 0, 0, 500, RightAngleAt(100, 500), 360 - RightAngleAt(100, 500));
  AppendCircleArc(ring, 0, 0, 300, 360 - RightAngleAt(100, 300), RightAngleAt(100, 300));
  return ring;
}

}  // namespace lenvari
