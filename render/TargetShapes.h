#pragma once
// What the special targets share: the shapes they are built from (IsSpecialTargetMode, with
// the chart modes, names the modes that replace the letter chart).

#include <string>

#include "common/Colour.h"
#include "platform/qtgui/Canvas.h"
#include "store/ChartMode.h"

namespace lenvari {

struct Settings;

// A filled ellipse inscribed in the box between two corners.
void FillDisc(Canvas& canvas, RectF box, Colour colour);
// A disc of diameter `diameter` centred on (x, y).
void FillDiscAt(Canvas& canvas, double x, double y, double diameter, Colour colour);
// Fills every pixel of the canvas, whatever its unit window.
void FillWholeCanvas(Canvas& canvas, Colour colour);

// The colour of the second eye's elements: `MyBlue` for "RedBlue" glasses, else `MyGreen`.
Colour SecondEyeColour(const Settings& settings);

}  // namespace lenvari
