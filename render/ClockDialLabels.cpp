#include "render/ClockDialLabels.h"

#include <algorithm>
#include <cmath>

#include "common/NumberText.h"

namespace lenvari {
namespace {

constexpr double kDegree = 0.017453;

// A digit of size s is 5 s units high and at most 4.5 s wide (its outline's width of 900 of
// 1000 glyph units).
struct Box {
  double left, top, right, bottom;
};

double DistanceFromCentre(const Box& b) {
  const double dx = b.left > 0 ? b.left : (b.right < 0 ? -b.right : 0);
  const double dy = b.top > 0 ? b.top : (b.bottom < 0 ? -b.bottom : 0);
  return std::hypot(dx, dy);
}

// Every character box of every hour lies inside `frame` (less `margin`) and farther than
// `clear` from the centre, where the spokes end.
bool Fits(const HourLabelLayout& layout, const RectF& frame, double clear, double margin, bool mirrored) {
  const double left = std::min(frame.left, frame.right) + margin;
  const double right = std::max(frame.left, frame.right) - margin;
  const double top = std::min(frame.top, frame.bottom) + margin;
  const double bottom = std::max(frame.top, frame.bottom) - margin;
  const double halfWidth = 2.25 * layout.size, halfHeight = 2.5 * layout.size;
  for (const HourCharacter& c : HourCharacters(layout, mirrored)) {
    const Box box{c.x - halfWidth, c.y - halfHeight, c.x + halfWidth, c.y + halfHeight};
    if (box.left < left || box.right > right || box.top < top || box.bottom > bottom) return false;
    if (DistanceFromCentre(box) <= clear) return false;
  }
  return true;
}

}  // namespace

DigitPlace PlaceOf(int hour, bool mirrored, char character) {
  if (hour == 10) {
    if (!mirrored) return {170, -150};
    return character == '1' ? DigitPlace{90, 60} : DigitPlace{90, -10};
  }
  if (hour == 11) return {90, -50};
  if (hour == 12) {
    if (!mirrored) return {170, -130};
    return character == '1' ? DigitPlace{90, 30} : DigitPlace{90, -50};
  }
  return {0, 0};
}

std::string HourText(int hour, bool mirrored) {
  if (mirrored && hour == 10) return " 01";
  if (mirrored && hour == 11) return " 11";
  if (mirrored && hour == 12) return " 21";
  std::string text = std::to_string(hour);
  return std::string(3 - std::min<size_t>(3, text.size()), ' ') + text;
}

std::vector<HourCharacter> HourCharacters(const HourLabelLayout& layout, bool mirrored) {
  std::vector<HourCharacter> characters;
  const double placeScale = layout.size / 40;
  const int mirror = mirrored ? -1 : 1;
  int hour = mirrored ? 12 : 0;
  for (int k = 0; k < 12; ++k) {
    const double a = (-60 + 30 * k) * kDegree;
    const double x = std::cos(a) * layout.radius, y = std::sin(a) * layout.radius;
    hour += mirror;
    if (hour == 0) hour = 12;
    const std::string text = HourText(hour, mirrored);
    for (int position = 2; position <= 3; ++position) {
      const char character = text[static_cast<size_t>(position - 1)];
      if (character == ' ') continue;
      const DigitPlace place = PlaceOf(hour, mirrored, character);
      characters.push_back({character, x + (place.step * (position - 2) + place.offset) * placeScale, y});
    }
  }
  return characters;
}

HourLabelLayout PlaceHourLabels(const RectF& frame, double rOut, double unit, bool mirrored) {
  HourLabelLayout layout{40, static_cast<double>(RoundHalfEven(1.13 * rOut))};
  // Today's place, where it fits, stays exactly as it is.
  const double clear = rOut + unit / 2;
  if (Fits(layout, frame, clear, 0, mirrored)) return layout;
  const double margin = unit / 2;
  for (double size = 40; size >= 4; size -= 0.5) {
    layout.size = size;
    // The smallest radius that clears the spokes, then outward until it fits or leaves the frame.
    for (double radius = rOut; radius <= rOut * 1.5; radius += unit / 4) {
      layout.radius = radius;
      if (Fits(layout, frame, clear, margin, mirrored)) return layout;
    }
  }
  return {4, rOut * 1.13};
}

}  // namespace lenvari
