// Device-pixel rectangles of monitors with mixed display scaling, and the way windows are put on
// them: each monitor must get a rectangle of its own, and a window meant for a monitor must land
// on that monitor at its exact device size.

#include <gtest/gtest.h>

#include <array>

#include "platform/qtgui/DesktopPixels.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

using Rect = std::array<int, 4>;  // left, top, right, bottom

std::vector<Rect> Rects(const std::vector<LogicalScreen>& screens) {
  std::vector<Rect> rects;
  for (const DesktopMonitor& m : DeviceRectangles(screens))
    rects.push_back({m.left, m.top, m.right, m.bottom});
  return rects;
}

}  // namespace

TEST(DesktopPixels, EveryMonitorHasItsOwnRectangleWhateverItsScaling) {
  // Logical rectangles edge to edge (an examiner's monitor at 200 % left of a 100 % patient
  // monitor): the device extent of the first must not reach into the second.
  const std::vector<LogicalScreen> edgeToEdge{{0, 0, 1280, 720, 2}, {1280, 0, 1920, 1080, 1}};
  EXPECT_EQ(Rects(edgeToEdge), (std::vector<Rect>{{0, 0, 2560, 1440}, {2560, 0, 4480, 1080}}));
  // Corners kept at their device place (a gap after the scaled monitor): the same desktop.
  const std::vector<LogicalScreen> cornersKept{{0, 0, 1280, 720, 2}, {2560, 0, 1920, 1080, 1}};
  EXPECT_EQ(Rects(cornersKept), Rects(edgeToEdge));
  // The scaled monitor on the right, a row of three, a column of two, a monitor left of zero.
  EXPECT_EQ(Rects({{0, 0, 1920, 1080, 1}, {1920, 0, 1280, 720, 2}}),
            (std::vector<Rect>{{0, 0, 1920, 1080}, {1920, 0, 4480, 1440}}));
  EXPECT_EQ(Rects({{0, 0, 1280, 720, 2}, {1280, 0, 960, 540, 2}, {2240, 0, 1920, 1080, 1}}),
            (std::vector<Rect>{{0, 0, 2560, 1440}, {2560, 0, 4480, 1080}, {4480, 0, 6400, 1080}}));
  EXPECT_EQ(Rects({{0, 0, 1280, 720, 1.5}, {0, 720, 1920, 1080, 1}}),
            (std::vector<Rect>{{0, 0, 1920, 1080}, {0, 1080, 1920, 2160}}));
  EXPECT_EQ(Rects({{-1280, 0, 1280, 1024, 1}, {0, 0, 1920, 1080, 1}}),
            (std::vector<Rect>{{-1280, 0, 0, 1024}, {0, 0, 1920, 1080}}));
}

TEST(DesktopPixels, AWindowForAMonitorLandsOnItAtItsDeviceSize) {
  for (const auto& screens : {std::vector<LogicalScreen>{{0, 0, 1280, 720, 2}, {1280, 0, 1920, 1080, 1}},
                              std::vector<LogicalScreen>{{0, 0, 1280, 720, 2}, {2560, 0, 1920, 1080, 1}}}) {
    // The patient monitor's device rectangle becomes its logical one, and back.
    const DesktopPlacement patient = LogicalPlacement(screens, 2560, 0, 1920, 1080);
    EXPECT_EQ(Tie(patient.x, patient.y, patient.width, patient.height), Tie(screens[1].x, 0, 1920, 1080));
    const DesktopPlacement back = DevicePlacement(screens, patient.x, patient.y, 1920, 1080);
    EXPECT_EQ(Tie(back.x, back.width), Tie(2560, 1920));
    // On the scaled examiner's monitor a device offset of 600 is 300 logical pixels.
    const DesktopPlacement examiner = LogicalPlacement(screens, 600, 200, 1520, 520);
    EXPECT_EQ(Tie(examiner.x, examiner.y, examiner.width, examiner.height), Tie(300, 100, 760, 260));
    const DesktopPlacement examinerBack = DevicePlacement(screens, 300, 100, 760, 260);
    EXPECT_EQ(Tie(examinerBack.x, examinerBack.height), Tie(600, 520));
  }
}

}  // namespace lenvari
