#pragma once
// The 6 x 6 grid both galleries share: where cell n lies in chart units, which cell a click
// falls in, and how the keys and remote codes move the selection.

#include <string>

#include "platform/qtgui/Canvas.h"

namespace lenvari {

constexpr int kGalleryColumns = 6;
constexpr int kGalleryCells = 36;

// The two results of a visit, as text.
inline constexpr const char* kGalleryChosen = "1";
inline constexpr const char* kGalleryEscaped = "27";

// Column 1 .. 6 from the left and row 0 .. 5 from the top of cell n.
int CellColumn(int n);
int CellRow(int n);

// Cell n's rectangle in chart units of a chart `chartWidth` x `chartHeight` units, origin at
// the centre; each corner truncated to a 16-bit integer as the stored layout has it.
RectF CellRect(int n, int chartWidth, int chartHeight);

// The cell under a click at chart units (x, y); clicks on the outer edge stay in the grid.
int CellAt(int x, int y, int chartWidth, int chartHeight);

// The width of the cell frames in pixels for a display `screenWidth` pixels wide.
int CellFrameWidth(int screenWidth);

// One input of a visit applied to the selected cell.
struct CellMove {
  int cell = 1;
  bool finished = false;
  bool escaped = false;  // finished with Esc: the caller restores the cell it started from
};

// Arrows and the remote's "!" (up), "@" (down), "$" (right), "#" (left) move the selection,
// wrapping within the grid's column or row; Enter and "." choose it; Esc leaves; a click
// ("MouseEvent", with the click in chart units) chooses the cell under it. With
// `memoryCodes`, the remote's preset codes 201 .. 212 choose cells 1 .. 12. Anything else
// leaves the selection as it is.
CellMove MoveSelection(int cell, const std::string& input, bool memoryCodes, int mouseX,
                       int mouseY, int chartWidth, int chartHeight);

}  // namespace lenvari
