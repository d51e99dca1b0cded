// The grid both galleries share: cell places, clicks and the moves of the selection.

#include <gtest/gtest.h>

#include "gallery/GalleryCells.h"
#include "platform/KeyTranslation.h"

namespace lenvari {
namespace {

// The cell a run of inputs leaves selected, starting at `cell`.
int After(int cell, std::initializer_list<std::string> inputs, bool memoryCodes = true) {
  for (const std::string& input : inputs)
    cell = MoveSelection(cell, input, memoryCodes, 0, 0, 4800, 2700).cell;
  return cell;
}

TEST(GalleryCells, ArrowsAndRemoteKeysWrapWithinRowsAndColumns) {
  const std::string up = ExtendedKey(keycode::Up), down = ExtendedKey(keycode::Down);
  const std::string left = ExtendedKey(keycode::Left), right = ExtendedKey(keycode::Right);
  EXPECT_EQ(After(6, {right}), 1);
  EXPECT_EQ(After(36, {right}), 31);
  EXPECT_EQ(After(1, {left}), 6);
  EXPECT_EQ(After(31, {left}), 36);
  EXPECT_EQ(After(3, {up}), 33);
  EXPECT_EQ(After(34, {down}), 4);
  EXPECT_EQ(After(1, {right, down}), 8);
  // The remote's arrow codes: "!" up, "@" down, "$" right, "#" left.
  EXPECT_EQ(After(3, {"!"}), 33);
  EXPECT_EQ(After(34, {"@"}), 4);
  EXPECT_EQ(After(12, {"$"}), 7);
  EXPECT_EQ(After(13, {"#"}), 18);
  // Other keys leave the selection and the visit as they are.
  const CellMove other = MoveSelection(20, "a", true, 0, 0, 4800, 2700);
  EXPECT_EQ(other.cell, 20);
  EXPECT_FALSE(other.finished);
}

TEST(GalleryCells, EnterEscapeMemoryCodesAndClicksEndTheVisit) {
  const CellMove enter = MoveSelection(9, "\r", true, 0, 0, 4800, 2700);
  EXPECT_TRUE(enter.finished);
  EXPECT_FALSE(enter.escaped);
  EXPECT_EQ(enter.cell, 9);
  EXPECT_TRUE(MoveSelection(9, ".", true, 0, 0, 4800, 2700).finished);
  EXPECT_TRUE(MoveSelection(9, "\x1b", true, 0, 0, 4800, 2700).escaped);

  // The remote's memory keys m1 .. m12 choose cells 1 .. 12 in the preset gallery only.
  const CellMove m7 = MoveSelection(30, std::string(1, static_cast<char>(207)), true, 0, 0, 4800,
                                    2700);
  EXPECT_TRUE(m7.finished);
  EXPECT_EQ(m7.cell, 7);
  const CellMove inImages = MoveSelection(30, std::string(1, static_cast<char>(207)), false, 0,
                                          0, 4800, 2700);
  EXPECT_FALSE(inImages.finished);
  EXPECT_EQ(inImages.cell, 30);
  EXPECT_FALSE(MoveSelection(30, std::string(1, static_cast<char>(213)), true, 0, 0, 4800, 2700)
                   .finished);

  // A click chooses the cell under it; the lower-right sixth is 36, the top-left 1, and the
  // very edge of the display stays in the grid.
  EXPECT_EQ(MoveSelection(5, "MouseEvent", true, 2300, 1300, 4800, 2700).cell, 36);
  EXPECT_EQ(MoveSelection(5, "MouseEvent", true, -2300, -1300, 4800, 2700).cell, 1);
  EXPECT_EQ(MoveSelection(5, "MouseEvent", true, 2400, 1350, 4800, 2700).cell, 36);
  EXPECT_EQ(MoveSelection(5, "MouseEvent", true, -1000, -500, 4800, 2700).cell, 8);
  EXPECT_EQ(CellAt(0, 0, 0, 0), 1);
}

TEST(GalleryCells, CellRectanglesAreSixthsTruncatedAndFramesScaleWithTheScreen) {
  const RectF cell8 = CellRect(8, 4800, 2700);  // column 2 of the second row
  EXPECT_EQ(cell8.left, -1600);
  EXPECT_EQ(cell8.right, -800);
  EXPECT_EQ(cell8.top, -900);
  EXPECT_EQ(cell8.bottom, -450);
  // Corners are truncated towards zero, not rounded: -2400.5 + 800.1667 = -1600.33.
  const RectF odd = CellRect(8, 4801, 2701);
  EXPECT_EQ(odd.left, -1600);
  EXPECT_EQ(odd.right, -800);
  EXPECT_EQ(odd.top, -900);
  EXPECT_EQ(CellRect(36, 4801, 2701).right, 2400);
  EXPECT_EQ(CellColumn(36), 6);
  EXPECT_EQ(CellRow(36), 5);
  EXPECT_EQ(CellColumn(7), 1);
  EXPECT_EQ(CellRow(7), 1);

  EXPECT_EQ(CellFrameWidth(1920), 8);   // 7.68
  EXPECT_EQ(CellFrameWidth(3840), 15);  // 15.36
  EXPECT_EQ(CellFrameWidth(1625), 6);   // 6.5, ties to even
  EXPECT_EQ(CellFrameWidth(1024), 4);
}

}  // namespace
}  // namespace lenvari
