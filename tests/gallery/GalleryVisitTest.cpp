// Visits to a gallery with scripted input: the red frame on the selected cell, the record
// banners, the results and the cell numbers they leave.

#include <gtest/gtest.h>

#include <deque>

#include "gallery/GalleryBuild.h"
#include "gallery/GalleryVisit.h"
#include "gallery/GalleryTestFolder.h"
#include "platform/KeyTranslation.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

using namespace lenvari::testing;

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

TEST(GalleryVisit, PresetGalleryMovesTheRedFrameAndChoosesOrRestores) {
  GalleryTestFolder t;
  const Bitmap picture = BuildPresetGallery(t.state, t.shapes);
  Canvas chart(1920, 1080);
  t.state.chart.GalleryMode = PresetAction::Recall, t.state.chart.CurrentMemory = 1;
  ScriptedVisit visit(chart, {ExtendedKey(keycode::Right), ExtendedKey(keycode::Down), "\r"});
  EXPECT_EQ(Tie(PresetGallery(t.state, chart, picture, visit.host), t.state.chart.CurrentMemory), Tie("1", 8));
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
  EXPECT_EQ(Tie(PresetGallery(t.state, chart, picture, escaped.host), t.state.chart.CurrentMemory), Tie("27", 5));
  // Both record banners, near the top (top edge at 3.5 % of the height) and near the bottom.
  EXPECT_GT(BannerPixels(escaped.frames[0], 30, 70), 1000);
  EXPECT_GT(BannerPixels(escaped.frames[0], 1045, 1078), 1000);
  EXPECT_GT(BannerPixels(escaped.frames[1], 30, 70), 1000);
}

TEST(GalleryVisit, ImageGalleryWorksOnTheImageNumberAndIgnoresMemoryKeys) {
  GalleryTestFolder t;
  const Bitmap picture = BuildImageGallery(t.state, t.shapes);
  Canvas chart(1920, 1080);
  t.state.chart.ImageNum = 36, t.state.chart.MouseX = -2000, t.state.chart.MouseY = -1000;
  ScriptedVisit visit(chart, {std::string(1, static_cast<char>(207)), "@", "MouseEvent"});
  // The click in the top-left sixth.
  EXPECT_EQ(Tie(ImageGallery(t.state, chart, picture, PresetAction::Recall, visit.host), t.state.chart.ImageNum),
            Tie("1", 1));
  EXPECT_EQ(Tie(visit.frames.size(), BannerPixels(visit.frames[0], 30, 70)), Tie(4u, 0));

  t.state.chart.ImageNum = 4;
  ScriptedVisit record(chart, {"$", "\x1b"});
  EXPECT_EQ(Tie(ImageGallery(t.state, chart, picture, PresetAction::Store, record.host), t.state.chart.ImageNum),
            Tie("27", 4));
  EXPECT_GT(BannerPixels(record.frames[0], 30, 70), 1000);
}

}  // namespace
}  // namespace lenvari
