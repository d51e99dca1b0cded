#pragma once
// What the special targets share: the shapes they are built from and the mode names that
// replace the letter chart.

#include <string>

#include "common/Colour.h"
#include "platform/Canvas.h"

namespace lenvari {

struct Settings;

// True for the modes that draw a special target instead of letters (no labels, no status line).
bool IsSpecialTargetMode(const std::string& mode);

// A filled ellipse inscribed in the box between two corners.
void FillDisc(Canvas& canvas, RectF box, Colour colour);
// A disc of diameter `diameter` centred on (x, y).
void FillDiscAt(Canvas& canvas, double x, double y, double diameter, Colour colour);
// Fills every pixel of the canvas, whatever its unit window.
void FillWholeCanvas(Canvas& canvas, Colour colour);

// The colour of the second eye's elements: `MyBlue` for "RedBlue" glasses, else `MyGreen`.
Colour SecondEyeColour(const Settings& settings);

}  // namespace lenvari
