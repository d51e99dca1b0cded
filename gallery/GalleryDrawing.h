#pragma once
// What the galleries draw over their thumbnails: the grey cell frames, the red selection
// frame, the cell numbers and the record-mode banners. The canvas carries the chart scale of
// the display (origin at the centre, y downwards).

#include <string>

#include "platform/qtgui/Canvas.h"

namespace lenvari {

struct Monitors;

inline constexpr Colour kCellFrameGrey = RgbColour(128, 128, 128);
inline constexpr Colour kSelectionRed = RgbColour(255, 0, 0);

// The outline of cell n in `colour`, `CellFrameWidth` pixels wide. The pen width is left as
// the frame's: the caller sets it back when it draws anything else.
void DrawCellFrame(Canvas& canvas, const Monitors& monitors, int n, Colour colour);

// " n " in yellow on grey, its bottom-right corner at the cell's bottom-right corner (a sixth
// of the label inset the full display would give it).
void DrawCellLabel(Canvas& canvas, const Monitors& monitors, int n);

// The banner text, red on yellow, centred, once near the top and once near the bottom.
void DrawRecordBanner(Canvas& canvas, const Monitors& monitors, const std::string& text);

}  // namespace lenvari
