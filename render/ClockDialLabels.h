#pragma once
// Where the clock dial's hour numbers stand, and how large they are.

#include <string>
#include <vector>

#include "platform/qtgui/Canvas.h"

namespace lenvari {

// Where a character of a two-digit hour stands relative to the label point, in chart units for
// labels of size 40.
struct DigitPlace {
  int step = 0;
  int offset = 0;
};
DigitPlace PlaceOf(int hour, bool mirrored, char character);

// The hour as three characters, a blank first; mirrored rooms read 10, 11 and 12 reversed.
std::string HourText(int hour, bool mirrored);

// The labels' optotype size and the radius of their label points.
struct HourLabelLayout {
  double size = 40;
  double radius = 0;
};

// One digit of an hour label: the character and its centre.
struct HourCharacter {
  char character;
  double x, y;
};

// The digits of the twelve labels in drawing order: 1 at the upper right going clockwise, or
// anticlockwise in a mirrored room.
std::vector<HourCharacter> HourCharacters(const HourLabelLayout& layout, bool mirrored);

// Size 40 at 1.13 x the spokes' outer radius where those labels lie inside `frame` and clear of
// the spokes. A fixed label size on a dial that grows with the chart's height does not fit once
// the chart is only a little taller than the dial: then the labels shrink, just enough, and move
// out to where they clear the spokes' ends.
HourLabelLayout PlaceHourLabels(const RectF& frame, double rOut, double unit, bool mirrored);

}  // namespace lenvari
