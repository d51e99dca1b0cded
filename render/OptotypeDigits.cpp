// The digits: heavy, rounded, sans-serif outlines filling the height -500..500 and about 850
// units of width, vertical strokes about 250 units, horizontal ones a little lighter. Each digit
// is built from a few strokes (elliptical rings and bands, bars) but drawn as one outline traced
// along their edges, so no joint shows a seam or a notch; counters are reached along slits.
// 4 and SIMPLE1 are straight; the 8 is two rings.

#include "render/OptotypeGeometry.h"
#include "render/OptotypeShapes.h"

namespace lenvari {
namespace {

// How far each rounded joint reaches along its two edges from where they meet.
constexpr double kThreeArm = 80;
constexpr double kFiveFoot = 60;
constexpr double kSixShoulder = 140;

GlyphRecord Digit(const char* name, GlyphOutline outline) {
  return {name, 100, false, {std::move(outline)}};
}

// An upright oval ring, x -412..412.
GlyphOutline DigitZero() { return EllipseRing(0, 0, 412.5, 500, 162.5, 290); }

// Stem x = 36..285 over the full height, a flag sloping down to the upper left to x = -285.
GlyphOutline DigitOne() {
  return Polygon({285, -500, 285, 500, 36, 500, 36, -247, -285, -5, -285, -255, 40, -500});
}

// A hook over the top flowing into a diagonal down to the left, on a flat base bar: the hook's
// outer edge runs on into the diagonal's right edge, the diagonal's left edge into the hook's
// inner edge.
GlyphOutline DigitTwo() {
  DesignPath path = ArcPath(0, -200, 410, 300, 165, 400);
  Extend(path, {{-66, 310}, {425, 310}, {425, 500}, {-425, 500}, {-425, 310}});
  Extend(path, EvenArcPath(0, -200, 410, 300, 230, 400, 165));
  return SolidPath(path);
}

// Two bowls open to the left, the lower one wider, meeting at a waist whose arm narrows to the
// left, to x = -150 between y = -80 and 40; its edges round into the counters.
GlyphOutline DigitThree() {
  DesignPath path = JoinAtCrossing(ArcPath(0, -240, 380, 260, 200, 460),
                                   ArcPath(0, 225, 425, 275, 260, 520));
  // The arm's edges run from the tip to the bowls' inner edges at 260 and 100 degrees, a little
  // past them so that they cross.
  const DesignPath lowerInner = EvenArcPath(0, 225, 425, 275, 225, 520, 250);
  const DesignPath upperInner = EvenArcPath(0, -240, 380, 260, 210, 470, 200);
  const DesignPoint lowerEnd = EvenArcPoint(0, 225, 425, 275, 225, 260);
  const DesignPoint upperEnd = EvenArcPoint(0, -240, 380, 260, 210, 460);
  Extend(path, RoundedJoin(lowerInner, Beyond(lowerEnd, {-150, 40}), kThreeArm));
  Extend(path, RoundedJoin(Beyond({-150, -80}, upperEnd), upperInner, kThreeArm));
  return SolidPath(path);
}

GlyphOutline DigitFour() {
  return {{305, -500}, {97, -500}, {-465, 134}, {-465, 300}, {64, 300}, {64, 500},
          {305, 500},  {305, 300}, {466, 300},  {466, 133},  {305, 133}, {305, -500},
          {64, -207},  {64, 133},  {-231, 133}, {64, -207}};
}

// A flat top bar, a short stem down the left and an open bowl below. The bowl leaves the stem's
// foot along a straight edge from (-180, 60) to its counter at 255 degrees, rounded into both.
GlyphOutline DigitFive() {
  DesignPath path = {{-390, -500}, {400, -500}, {400, -310}};
  Extend(path, JoinAtCrossing({{-150, -310}, {-150, 60}}, ArcPath(0, 190, 425, 310, 235, 515)));
  const DesignPoint start = EvenArcPoint(0, 190, 425, 310, 230, 255);
  DesignPath foot = RoundedJoin(EvenArcPath(0, 190, 425, 310, 230, 515, 245),
                                Beyond(start, {-180, 60}), kFiveFoot);
  Extend(path, RoundedJoin(foot, {{-150, 60}, {-390, 60}}, kFiveFoot));
  return SolidPath(path);
}

// A closed lower bowl under a stroke that rises on the left and curves over to the upper right;
// the stroke's inner edge rounds into the bowl.
GlyphOutline DigitSix() {
  DesignPath path = ArcPath(0, 160, 425, 660, 180, 310);
  Extend(path, RoundedJoin(EvenArcPath(0, 160, 425, 660, 240, 310, 180),
                           ArcPath(0, 160, 425, 340, 180, 540), kSixShoulder));
  GlyphOutline counter;
  AppendArc(counter, 0, 160, 175, 150, 540, 180);
  return JoinLoops({SolidPath(path), Counter(counter)});
}

// A top bar x = -431..431 and a slightly curved stem reaching the base at x = -254..-9.
GlyphOutline DigitSeven() {
  GlyphOutline seven = {{-431, -500}, {431, -500}};
  AppendCurve(seven, 431, -310, 90, 20, -9, 500, 10);
  AppendCurve(seven, -254, 500, -170, 20, 180, -310, 10);
  AppendPoint(seven, -431, -310);
  return Solid(seven);
}

// Two stacked closed rings, the lower one wider, overlapping at the waist where their outer
// edges cross (no joint there to show); the slit runs through the waist.
GlyphOutline DigitEight() {
  const GlyphOutline upper = EllipseRing(0, -238, 375, 262, 160, 105, 90);
  const GlyphOutline lower = EllipseRing(0, 225, 425, 275, 190, 115, 270);
  return JoinLoops({upper, lower});
}

}  // namespace

std::vector<GlyphRecord> DigitRecords() {
  const GlyphOutline six = DigitSix();
  return {
      Digit("0", DigitZero()),
      Digit("1", DigitOne()),
      Digit("SIMPLE1", {{300, -500}, {59, -500}, {59, 500}, {300, 500}}),
      Digit("2", DigitTwo()),
      Digit("3", DigitThree()),
      Digit("4", DigitFour()),
      Digit("5", DigitFive()),
      Digit("6", six),
      Digit("7", DigitSeven()),
      Digit("8", DigitEight()),
      Digit("9", Turned(six)),  // the 6 turned by 180 degrees
  };
}

}  // namespace lenvari
