#include <gtest/gtest.h>

#include <QApplication>

#include "app/examiner/GalleryHost.h"
#include "app/commands/MonitorWindowCommand.h"
#include "app/loop/WaitForInput.h"
#include "gallery/GalleryCells.h"
#include "platform/KeyScript.h"
#include "store/SettingsFiles.h"
#include "support/ChartWindowFixture.h"
#include "support/Tie.h"
#include "support/WindowLookup.h"

namespace lenvari {
namespace {

struct MonitorWindowFixture : ChartWindowFixture {
  // The settings as the next start reads them from the folder.
  Settings Reloaded() {
    State reloaded;
    reloaded.DataPath = context.state.DataPath, reloaded.monitors = context.state.monitors;
    LoadConfiguration(reloaded);
    return reloaded.settings;
  }
  void SetUp() override {
    ChartWindowFixture::SetUp();
    ApplyDefaultSettings(context.state.settings, context.state.monitors, 1);
    context.state.settings.MonitorWindowX[1] = 300, context.state.settings.MonitorWindowY[1] = 200;
    context.state.settings.MonitorWindowFlag = 1;
    OpenMonitorWindow(context);
  }
  void TearDown() override { CloseMonitorWindow(context); }
};

}  // namespace

TEST_F(MonitorWindowFixture, MovedWindowIsStoredAndSavedAtTheNextUpdate) {
  Settings& s = context.state.settings;
  QWidget* widget = ShownWindow("Lenvari Monitor Display");
  ASSERT_NE(widget, nullptr);
  EXPECT_EQ(widget->geometry().topLeft(), QPoint(300, 200));
  EXPECT_EQ(widget->size(), QSize(s.MonitorWindowWidth[1], s.MonitorWindowHeight[1]));

  widget->move(640, 480);  // the frame's corner; the client area may sit inside a frame
  QApplication::processEvents();
  const QPoint moved = widget->geometry().topLeft();
  ASSERT_NE(moved, QPoint(300, 200));
  EXPECT_EQ(s.MonitorWindowX[1], 300);  // nothing happens until the next frame
  UpdateMonitorWindow(context);
  EXPECT_EQ(Tie(s.MonitorWindowX[1], s.MonitorWindowY[1]), Tie(moved.x(), moved.y()));
  const Settings saved = Reloaded();
  EXPECT_EQ(Tie(saved.MonitorWindowX[1], saved.MonitorWindowY[1]), Tie(moved.x(), moved.y()));
  // Growing for rows keeps the window where the examiner put it.
  context.state.MonitorText = "20/40      A B C\r20/30      D E F\r20/25      G H I\r";
  UpdateMonitorWindow(context);
  EXPECT_EQ(widget->geometry().topLeft(), moved);
  EXPECT_GT(widget->height(), s.MonitorWindowHeight[1]);
}

TEST_F(MonitorWindowFixture, ClicksAndKeysArriveLikeTheChartWindowsAndClosingByHandIsNoticed) {
  UpdateMonitorWindow(context);
  // A click in the window's own units: pixels from its top-left corner.
  context.monitorWindow->InjectClick(37, 21);
  EXPECT_EQ(WaitForInput(context), "MouseEvent");
  EXPECT_EQ(Tie(context.state.chart.MouseX, context.state.chart.MouseY), Tie(37, 21));
  // Its keys come after the console's and before the chart window's.
  console.keys = "a";
  context.monitorWindow->InjectKey(CharacterKey('b'));
  context.chartWindow->InjectKey(CharacterKey('c'));
  EXPECT_EQ(WaitForInput(context), "a");
  EXPECT_EQ(WaitForInput(context), "b");
  EXPECT_EQ(WaitForInput(context), "c");

  // Closed by the window manager: the flag goes in memory only, and updates leave it alone.
  ShownWindow("Lenvari Monitor Display")->close();
  context.chartWindow->InjectKey(CharacterKey('d'));
  EXPECT_EQ(WaitForInput(context), "d");
  EXPECT_EQ(context.state.settings.MonitorWindowFlag, 0);
  UpdateMonitorWindow(context);
  EXPECT_EQ(ShownWindow("Lenvari Monitor Display"), nullptr);
  EXPECT_EQ(Reloaded().MonitorWindowFlag, 1);
}

TEST_F(MonitorWindowFixture, InAGalleryAClickOnTheThumbnailIsAClickOnThePatientDisplay) {
  context.state.settings.ThumbnailFlag = 1;
  UpdateMonitorWindow(context);
  const RectF box = context.monitorThumbnail;
  ASSERT_GT(box.right - box.left, 50);
  const double w = box.right - box.left, h = box.bottom - box.top;
  const Monitors& m = context.state.monitors;
  const GalleryVisitHost host = MakeGalleryVisitHost(context);
  // Cell 1 is the top-left sixth of the copy, cell 36 the bottom-right one.
  context.monitorWindow->InjectClick(box.left + w / 12, box.top + h / 12);
  EXPECT_EQ(host.waitForInput(), "MouseEvent");
  const ChartState& chart = context.state.chart;
  EXPECT_EQ(CellAt(chart.MouseX, chart.MouseY, m.ChartWidth, m.ChartHeight), 1);
  EXPECT_NEAR(chart.MouseX, -m.ChartWidth * 5 / 12, 10);
  context.monitorWindow->InjectClick(box.right - 2, box.bottom - 2);
  EXPECT_EQ(host.waitForInput(), "MouseEvent");
  EXPECT_EQ(CellAt(chart.MouseX, chart.MouseY, m.ChartWidth, m.ChartHeight), 36);
  // Beside the copy (on the text) a click does nothing.
  context.monitorWindow->InjectClick(box.left + w / 2, box.top / 2);
  context.chartWindow->InjectKey(CharacterKey('z'));
  EXPECT_EQ(host.waitForInput(), "z");
}

}  // namespace lenvari
