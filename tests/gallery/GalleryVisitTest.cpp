// The grid both galleries share (cell places, clicks, the moves of the selection) and visits
// with scripted input: the red frame on the selected cell, the record banners, the results and
// the cell numbers they leave.

#include <gtest/gtest.h>

#include <deque>

#include "gallery/GalleryBuild.h"
#include "gallery/GalleryCells.h"
#include "gallery/GalleryVisit.h"
#include "gallery/GalleryTestFolder.h"
#include "platform/KeyTranslation.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

using namespace lenvari::testing;

const std::string kMemory7(1, static_cast<char>(207)), kMemory13(1, static_cast<char>(213));

// One input on a 4800 x 2700 chart, a click at (x, y).
CellMove Move(int cell, const std::string& input, bool memoryCodes = true, double x = 0,
              double y = 0) {
  return MoveSelection(cell, input, memoryCodes, x, y, 4800, 2700);
}

// The cell a run of inputs leaves selected, starting at `cell`.
int After(int cell, std::initializer_list<std::string> inputs) {
  for (const std::string& input : inputs) cell = Move(cell, input).cell;
  return cell;
}

TEST(GalleryCells, ArrowsAndRemoteKeysWrapWithinRowsAndColumns) {
  const std::string up = ExtendedKey(keycode::Up), down = ExtendedKey(keycode::Down);
  const std::string left = ExtendedKey(keycode::Left), right = ExtendedKey(keycode::Right);
  EXPECT_EQ(Tie(After(6, {right}), After(36, {right}), After(1, {left}), After(31, {left}),
                After(3, {up}), After(34, {down}), After(1, {right, down})),
            Tie(1, 31, 6, 36, 33, 4, 8));
  // The remote's arrow codes: "!" up, "@" down, "$" right, "#" left.
  EXPECT_EQ(Tie(After(3, {"!"}), After(34, {"@"}), After(12, {"$"}), After(13, {"#"})),
            Tie(33, 4, 7, 18));
  // Other keys leave the selection and the visit as they are.
  EXPECT_EQ(Tie(Move(20, "a").cell, Move(20, "a").finished), Tie(20, false));
}

TEST(GalleryCells, EnterEscapeMemoryCodesAndClicksEndTheVisit) {
  const CellMove enter = Move(9, "\r");
  EXPECT_EQ(Tie(enter.finished, enter.escaped, enter.cell), Tie(true, false, 9));
  EXPECT_EQ(Tie(Move(9, ".").finished, Move(9, "\x1b").escaped), Tie(true, true));

  // The remote's memory keys m1 .. m12 choose cells 1 .. 12 in the preset gallery only.
  const CellMove m7 = Move(30, kMemory7), inImages = Move(30, kMemory7, false);
  EXPECT_EQ(
      Tie(m7.finished, m7.cell, inImages.finished, inImages.cell, Move(30, kMemory13).finished),
      Tie(true, 7, false, 30, false));

  // A click chooses the cell under it; the lower-right sixth is 36, the top-left 1, and the
  // very edge of the display stays in the grid.
  EXPECT_EQ(Tie(Move(5, "MouseEvent", true, 2300, 1300).cell,
                Move(5, "MouseEvent", true, -2300, -1300).cell,
                Move(5, "MouseEvent", true, 2400, 1350).cell,
                Move(5, "MouseEvent", true, -1000, -500).cell, CellAt(0, 0, 0, 0)),
            Tie(36, 1, 36, 8, 1));
}

TEST(GalleryCells, CellRectanglesAreSixthsTruncatedAndFramesScaleWithTheScreen) {
  const RectF cell8 = CellRect(8, 4800, 2700);  // column 2 of the second row
  EXPECT_EQ(Tie(cell8.left, cell8.right, cell8.top, cell8.bottom), Tie(-1600, -800, -900, -450));
  // Corners are truncated towards zero, not rounded: -2400.5 + 800.1667 = -1600.33.
  const RectF odd = CellRect(8, 4801, 2701);
  EXPECT_EQ(Tie(odd.left, odd.right, odd.top, CellRect(36, 4801, 2701).right, CellColumn(36),
                CellRow(36), CellColumn(7), CellRow(7)),
            Tie(-1600, -800, -900, 2400, 6, 5, 1, 1));
  // 7.68, 15.36, 6.5 (ties to even), 4.1 pixels.
  EXPECT_EQ(
      Tie(CellFrameWidth(1920), CellFrameWidth(3840), CellFrameWidth(1625), CellFrameWidth(1024)),
      Tie(8, 15, 6, 4));
}

struct ScriptedVisit {
  std::deque<std::string> inputs;
  std::vector<QImage> frames;
  GalleryVisitHost host;
  ScriptedVisit(Canvas& chart, std::initializer_list<std::string> keys) : inputs(keys) {
    host.waitForInput = [this] {
      std::string next = inputs.front();
      inputs.pop_front();
      return next;
    };
    host.present = [this, &chart] { frames.push_back(chart.Image().copy()); };
    host.refreshMonitorWindow = [] {}, host.prepareInput = [] {};
  }
};

// Pixels of the banner colours in a band of rows across the middle of the display.
int BannerPixels(const QImage& frame, int top, int bottom) {
  return CountColour(frame.copy(660, top, 600, bottom - top), QColor(255, 255, 0), 0);
}

TEST(GalleryVisit, TheRedFrameMovesAndAVisitChoosesOrRestores) {
  GalleryTestFolder t;
  const Bitmap picture = BuildPresetGallery(t.state, t.shapes);
  Canvas chart(1920, 1080);
  t.state.chart.GalleryMode = PresetAction::Recall, t.state.chart.CurrentMemory = 1;
  ScriptedVisit visit(chart, {ExtendedKey(keycode::Right), ExtendedKey(keycode::Down), "\r"});
  EXPECT_EQ(Tie(PresetGallery(t.state, chart, picture, visit.host), t.state.chart.CurrentMemory),
            Tie("1", 8));
  ASSERT_EQ(visit.frames.size(), 4u);
  // The first frame frames cell 1 in red; the last frames cell 8 (x 320 .. 640, y 180 .. 360)
  // and cell 1 is grey again.
  EXPECT_EQ(Tie(RunAlongRow(visit.frames[0], 90, 300, 340, QColor(255, 0, 0)),
                RunAlongRow(visit.frames[3], 270, 300, 340, QColor(255, 0, 0)),
                RunAlongRow(visit.frames[3], 90, 300, 340, QColor(128, 128, 128))),
            Tie(8, 8, 8));
  // Without record mode there is no banner.
  EXPECT_EQ(BannerPixels(visit.frames[0], 20, 80), 0);
  // The chart's own unit window is back for the next frame.
  EXPECT_EQ(chart.Scale().right, t.state.monitors.ChartWidth / 2.0);

  // Esc in record mode: "27" and the cell the visit started from.
  t.state.chart.GalleryMode = PresetAction::Store, t.state.chart.CurrentMemory = 5;
  ScriptedVisit escaped(chart, {ExtendedKey(keycode::Up), "\x1b"});
  EXPECT_EQ(Tie(PresetGallery(t.state, chart, picture, escaped.host), t.state.chart.CurrentMemory),
            Tie("27", 5));
  // Both record banners, near the top (top edge at 3.5 % of the height) and near the bottom.
  for (const auto& [frame, top, bottom] : {std::tuple{0, 30, 70}, {0, 1045, 1078}, {1, 30, 70}})
    EXPECT_GT(BannerPixels(escaped.frames[frame], top, bottom), 1000) << frame << " " << top;

  // The image gallery works on the image number and ignores the memory keys.
  const Bitmap images = BuildImageGallery(t.state, t.shapes);
  t.state.chart.ImageNum = 36, t.state.chart.MouseX = -2000, t.state.chart.MouseY = -1000;
  ScriptedVisit clicked(chart, {kMemory7, "@", "MouseEvent"});
  // The click in the top-left sixth.
  EXPECT_EQ(Tie(ImageGallery(t.state, chart, images, PresetAction::Recall, clicked.host),
                t.state.chart.ImageNum),
            Tie("1", 1));
  EXPECT_EQ(Tie(clicked.frames.size(), BannerPixels(clicked.frames[0], 30, 70)), Tie(4u, 0));

  t.state.chart.ImageNum = 4;
  ScriptedVisit record(chart, {"$", "\x1b"});
  EXPECT_EQ(Tie(ImageGallery(t.state, chart, images, PresetAction::Store, record.host),
                t.state.chart.ImageNum),
            Tie("27", 4));
  EXPECT_GT(BannerPixels(record.frames[0], 30, 70), 1000);
}

}  // namespace
}  // namespace lenvari
