#include "render/TargetShapes.h"

#include "store/Settings.h"

namespace lenvari {

void FillDisc(Canvas& canvas, RectF box, Colour colour) { canvas.FillBox(box, colour, 100); }

void FillDiscAt(Canvas& canvas, double x, double y, double diameter, Colour colour) {
  const double r = diameter / 2;
  FillDisc(canvas, {x - r, y - r, x + r, y + r}, colour);
}

void FillWholeCanvas(Canvas& canvas, Colour colour) { canvas.Clear(colour); }

Colour SecondEyeColour(const Settings& settings) {
  return static_cast<Colour>(settings.RedGreenOrRedBlue == "RedBlue" ? settings.MyBlue
                                                                      : settings.MyGreen);
}

}  // namespace lenvari
