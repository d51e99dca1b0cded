// The digits: heavy, rounded, sans-serif outlines filling the height -500..500 and about 850
// units of width, vertical strokes about 250 units, horizontal ones a little lighter. Each digit
// is the union of a few strokes (elliptical rings and bands, bars) joined by slits into one
// outline; overlapping strokes stay filled under the non-zero rule. 4 and SIMPLE1 are straight.

#include "render/OptotypeGeometry.h"
#include "render/OptotypeShapes.h"

namespace lenvari {
namespace {

GlyphRecord Digit(const char* name, GlyphOutline outline) {
  return {name, 100, false, {std::move(outline)}};
}

// An upright oval ring, x -412..412.
GlyphOutline DigitZero() { return EllipseRing(0, 0, 412.5, 500, 162.5, 290); }

// Stem x = 36..285 over the full height, a flag sloping down to the upper left to x = -285.
GlyphOutline DigitOne() {
  return Polygon({285, -500, 285, 500, 36, 500, 36, -247, -285, -5, -285, -255, 40, -500});
}

// A hook over the top, a diagonal down to the left and a flat base bar.
GlyphOutline DigitTwo() {
  const GlyphOutline hook = EvenBand(0, -200, 410, 300, 230, 165, 400);
  const GlyphOutline diagonal = Polygon({314, -7, 163, -180, -425, 310, -66, 310});
  const GlyphOutline base = Polygon({-425, 310, 425, 310, 425, 500, -425, 500});
  return JoinLoops({diagonal, hook, base});
}

// Two bowls open to the left, the lower one wider, meeting at the middle.
GlyphOutline DigitThree() {
  const GlyphOutline upper = EvenBand(0, -240, 380, 260, 210, 200, 460);
  const GlyphOutline lower = EvenBand(0, 225, 425, 275, 225, 260, 520);
  const GlyphOutline middle = Polygon({-150, -80, -20, -80, -20, 40, -150, 40});
  return JoinLoops({middle, upper, lower});
}

GlyphOutline DigitFour() {
  return {{305, -500}, {97, -500}, {-465, 134}, {-465, 300}, {64, 300}, {64, 500},
          {305, 500},  {305, 300}, {466, 300},  {466, 133},  {305, 133}, {305, -500},
          {64, -207},  {64, 133},  {-231, 133}, {64, -207}};
}

// A flat top bar, a short stem down the left and an open bowl below.
GlyphOutline DigitFive() {
  const GlyphOutline bar = Polygon({-390, -500, 400, -500, 400, -310, -390, -310});
  const GlyphOutline stem = Polygon({-390, -500, -150, -500, -150, 60, -390, 60});
  const GlyphOutline bowl = EvenBand(0, 190, 425, 310, 230, 235, 515);
  return JoinLoops({stem, bar, bowl});
}

// A closed lower bowl under a stroke that rises on the left and curves over to the upper right.
GlyphOutline DigitSix() {
  const GlyphOutline bowl = EllipseRing(0, 160, 425, 340, 175, 150, 180);
  const GlyphOutline top = EvenBand(0, 160, 425, 660, 240, 180, 310);
  return JoinLoops({bowl, top});
}

// A top bar x = -431..431 and a slightly curved stem reaching the base at x = -254..-9.
GlyphOutline DigitSeven() {
  const GlyphOutline bar = Polygon({-431, -500, 431, -500, 431, -310, -431, -310});
  GlyphOutline stem;
  AppendCurve(stem, 431, -310, 90, 20, -9, 500, 10);
  AppendCurve(stem, -254, 500, -170, 20, 180, -310, 10);
  return JoinLoops({bar, Solid(stem)});
}

// Two stacked closed rings, the lower one wider; the slit runs through the waist.
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
