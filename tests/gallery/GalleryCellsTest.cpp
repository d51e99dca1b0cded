// The grid both galleries share: cell places, clicks and the moves of the selection.

#include <gtest/gtest.h>

#include "gallery/GalleryCells.h"
#include "platform/KeyTranslation.h"
#include "support/Tie.h"

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
  EXPECT_EQ(Tie(After(6, {right}), After(36, {right}), After(1, {left}), After(31, {left}), After(3, {up}),
                After(34, {down}), After(1, {right, down})),
            Tie(1, 31, 6, 36, 33, 4, 8));
  // The remote's arrow codes: "!" up, "@" down, "$" right, "#" left.
  EXPECT_EQ(Tie(After(3, {"!"}), After(34, {"@"}), After(12, {"$"}), After(13, {"#"})), Tie(33, 4, 7, 18));
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
  EXPECT_EQ(Tie(MoveSelection(5, "MouseEvent", true, 2300, 1300, 4800, 2700).cell,
                MoveSelection(5, "MouseEvent", true, -2300, -1300, 4800, 2700).cell,
                MoveSelection(5, "MouseEvent", true, 2400, 1350, 4800, 2700).cell,
                MoveSelection(5, "MouseEvent", true, -1000, -500, 4800, 2700).cell, CellAt(0, 0, 0, 0)),
            Tie(36, 1, 36, 8, 1));
}

TEST(GalleryCells, CellRectanglesAreSixthsTruncatedAndFramesScaleWithTheScreen) {
  const RectF cell8 = CellRect(8, 4800, 2700);  // column 2 of the second row
  EXPECT_EQ(Tie(cell8.left, cell8.right, cell8.top, cell8.bottom), Tie(-1600, -800, -900, -450));
  // Corners are truncated towards zero, not rounded: -2400.5 + 800.1667 = -1600.33.
  const RectF odd = CellRect(8, 4801, 2701);
  EXPECT_EQ(Tie(odd.left, odd.right, odd.top, CellRect(36, 4801, 2701).right, CellColumn(36), CellRow(36),
                CellColumn(7), CellRow(7)),
            Tie(-1600, -800, -900, 2400, 6, 5, 1, 1));

  EXPECT_EQ(CellFrameWidth(1920), 8);   // 7.68
  EXPECT_EQ(CellFrameWidth(3840), 15);  // 15.36
  EXPECT_EQ(CellFrameWidth(1625), 6);   // 6.5, ties to even
  EXPECT_EQ(CellFrameWidth(1024), 4);
}

}  // namespace
}  // namespace lenvari
