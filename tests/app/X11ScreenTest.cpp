// The program on Qt's real X11 platform on an X server without a screen: the console's menus as
// an examiner sees them, the chart window and the monitor window where they belong.

#include <gtest/gtest.h>

#include <QScreen>
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QTest>

#include <algorithm>
#include <map>
#include <vector>

#include "app/commands/MenuDefinitions.h"
#include "platform/qt/QtConsoleHost.h"
#include "support/DataFolderText.h"
#include "support/ProgramRun.h"
#include "support/XServer.h"
#include "support/Tie.h"

namespace lenvari {

constexpr const char* kShotVariable = "LENVARI_MENU_SHOT";

// The Size menu opens right under its title with all its items drawn; File's "Save to Memory"
// on an examiner's screen of 720 lines opens in the three columns of its definition's breaks
// (F1 .. F12 with the gallery item, 13 .. 24, 25 .. 36), wholly on the screen. Runs in a child
// process on the X server the test below starts.
TEST(X11Screen, MenusOpenInTheChildProcess) {
  const QByteArray shot = qgetenv(kShotVariable);
  if (shot.isEmpty()) GTEST_SKIP() << "runs only inside MenusChartAndMonitorWindowTakeTheirPlaces";
  ASSERT_EQ(QGuiApplication::platformName(), "xcb");
  QtConsoleHost console;
  ProgramContext context(console);
  context.state.settings.AcuityBase = 20;
  BuildMenus(context);
  console.Window().show();
  console.Window().move(40, 40);
  QTest::qWait(500);
  QMenuBar* bar = console.Window().menuBar();
  const auto action = [](const QList<QAction*>& actions, const QString& text) {
    const auto found = std::ranges::find(actions, text, &QAction::text);
    return found == actions.end() ? nullptr : *found;
  };

  QAction* size = action(bar->actions(), "Size");
  ASSERT_TRUE(size && size->menu());
  bar->setActiveAction(size);  // as a click on the title does
  QTest::qWait(800);
  QMenu* menu = size->menu();
  ASSERT_TRUE(menu->isVisible());
  const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
  ASSERT_TRUE(screen.save(QString::fromUtf8(shot)));
  const QRect title(bar->mapToGlobal(bar->actionGeometry(size).topLeft()),
                    bar->actionGeometry(size).size());
  QRect popup = menu->geometry();
  EXPECT_NEAR(popup.top(), title.bottom() + 1, 3);
  EXPECT_NEAR(popup.left(), title.left(), 3);
  // One band of dark text per item (17), none of them empty.
  int bands = 0;
  bool inText = false;
  for (int y = popup.top() + 2; y < popup.bottom() - 2; ++y) {
    bool dark = false;
    for (int x = popup.left() + 4; x < popup.right() - 4 && !dark; ++x)
      dark = qGray(screen.pixel(x, y)) < 110;
    if (dark && !inText) ++bands;
    inText = dark;
  }
  EXPECT_EQ(bands, 17);
  menu->close();

  QAction* file = action(bar->actions(), "File");
  ASSERT_NE(file, nullptr);
  bar->setActiveAction(file);
  QTest::qWait(500);
  QMenu* fileMenu = file->menu();
  QAction* save = action(fileMenu->actions(), "Save to Memory");
  ASSERT_NE(save, nullptr);
  fileMenu->setActiveAction(save);
  save->menu()->popup(fileMenu->mapToGlobal(fileMenu->actionGeometry(save).topRight()));
  QTest::qWait(800);
  menu = save->menu();
  ASSERT_TRUE(menu->isVisible());
  popup = menu->geometry();
  EXPECT_GE(popup.top(), 0);
  EXPECT_LE(popup.bottom(), 719);
  // The items, column by column (left to right, top to bottom within a column).
  std::map<int, std::vector<QWidget*>> columns;
  for (QWidget* child : menu->findChildren<QWidget*>())
    if (child->isVisible() && child->findChildren<QWidget*>().isEmpty())
      columns[child->mapTo(menu, QPoint(0, 0)).x()].push_back(child);
  ASSERT_EQ(columns.size(), 3u);
  std::vector<size_t> counts;
  for (auto& [x, cells] : columns) counts.push_back(cells.size());
  EXPECT_EQ(counts, (std::vector<size_t>{14, 12, 12}));  // F1 .. F12, a line, the gallery item
  // A click on the second column's first item stores into preset 13.
  while (console.TakeMenuChoice().id != 0) {
  }
  QWidget* second = *std::ranges::min_element(std::next(columns.begin())->second, {}, &QWidget::y);
  QTest::mouseMove(second);
  QTest::mouseClick(second, Qt::LeftButton);
  QTest::qWait(300);
  const MenuChoice choice = console.TakeMenuChoice();
  EXPECT_EQ(Tie(choice.menu, choice.id), Tie(10, 113));
  EXPECT_FALSE(menu->isVisible());
  console.ShowMenuBar(false);
}

// One X server without a screen (Xvfb) and Qt's real X11 platform: the console's menus, opened
// in a child process; the chart window covering the monitor exactly; and the monitor window at
// its stored place with its stored client size.
TEST(X11Screen, MenusChartAndMonitorWindowTakeTheirPlaces) {
  XServer server({"1280x720"});
  if (!server.problem().isEmpty()) GTEST_SKIP() << server.problem().toStdString();
  const QString shot = QString::fromStdString(FreshFolder("shot")) + "/console-size-menu.png";
  QProcess child;
  // The desktop bus library keeps a buffer.
  child.setProcessEnvironment(
      server.Environment({QString(kShotVariable) + "=" + shot, "ASAN_OPTIONS=detect_leaks=0"}));
  child.setProcessChannelMode(QProcess::MergedChannels);
  child.start(QCoreApplication::applicationFilePath(),
              {"--gtest_filter=X11Screen.MenusOpenInTheChildProcess"});
  ASSERT_TRUE(child.waitForFinished(60000)) << child.readAll().toStdString();
  EXPECT_EQ(child.exitCode(), 0) << child.readAll().toStdString();  // (a shot not saved fails it)

  // A started folder calibrated on this screen; a strong light keeps the monitor window at its
  // stored size (no rows to grow for).
  const std::string data = StartedFolder();
  PutText(data + "/lvmonitordata.cfg", MonitorDataText(1, {{0, 0, 1280, 720}}));
  ProgramRunRequest request = ScriptRequest("*k{Wait:1.5}*{Wait:1.5}", data);
  request.screens = "", request.x11Display = server.display().toStdString();
  SetSetting(data, "MonitorWindowX&:", " 137 ");
  SetSetting(data, "MonitorWindowY&:", " 211 ");
  SetSetting(data, "ThumbnailFlag&:", " 1 ");
  const ProgramRunResult run = RunWell(request);
  EXPECT_EQ(run.LastState()["ChartWindowGeometry"].toArray(), (QJsonArray{0, 0, 1280, 720}));
  ASSERT_GE(run.MonitorCount(), 2);
  const QJsonObject state = run.MonitorState(run.MonitorCount());
  const QJsonArray stored = state["StoredSize"].toArray();
  EXPECT_EQ(Tie(state["Position"].toArray(), state["StoredPosition"].toArray(),
                state["ClientSize"].toArray(), stored[1].toInt()),
            Tie((QJsonArray{137, 211}), (QJsonArray{137, 211}), stored,
                2 * (720 * stored[0].toInt() / 1280)));
  EXPECT_EQ(run.MonitorImage(run.MonitorCount()).size(),
            QSize(stored[0].toInt(), stored[1].toInt()));
}

}  // namespace lenvari
