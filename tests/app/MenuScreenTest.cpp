// The menu bar as an examiner sees it: the console window on a real X server with its "Size"
// menu open, kept as a screenshot in the test output.

#include <gtest/gtest.h>

#include <QScreen>
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <map>
#include <vector>

#include "app/commands/MenuDefinitions.h"
#include "platform/qt/QtConsoleHost.h"
#include "support/ProgramRun.h"
#include "support/XServer.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

constexpr const char* kShotVariable = "LENVARI_MENU_SHOT";

void Settle(int milliseconds) {
  for (int waited = 0; waited < milliseconds; waited += 20) {
    QApplication::processEvents();
    QThread::msleep(20);
  }
}

bool Dark(QRgb pixel) { return qGray(pixel) < 110; }

}  // namespace

// Runs in a child process on the X server the test below starts.
TEST(MenuScreen, OpenSizeMenuOnTheXServer) {
  const QByteArray shot = qgetenv(kShotVariable);
  if (shot.isEmpty()) GTEST_SKIP() << "runs only inside ConsoleWithTheSizeMenuOpen";
  ASSERT_EQ(QGuiApplication::platformName(), "xcb");
  QtConsoleHost console;
  ProgramContext context(console);
  context.state.settings.AcuityBase = 20;
  BuildMenus(context);
  console.Window().show();
  console.Print("Lenvari Acuity\n");
  QMainWindow& window = console.Window();
  window.move(40, 40);
  Settle(500);

  QMenuBar* bar = window.menuBar();
  QAction* size = nullptr;
  for (QAction* action : bar->actions())
    if (action->text() == "Size") size = action;
  ASSERT_NE(size, nullptr);
  ASSERT_NE(size->menu(), nullptr);
  bar->setActiveAction(size);  // as a click on the title does
  Settle(800);
  QMenu* menu = size->menu();
  ASSERT_TRUE(menu->isVisible());

  const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
  ASSERT_TRUE(screen.save(QString::fromUtf8(shot)));
  // The menu opens right under its title in the bar.
  const QRect title(bar->mapToGlobal(bar->actionGeometry(size).topLeft()),
                    bar->actionGeometry(size).size());
  const QRect popup = menu->geometry();
  EXPECT_NEAR(popup.top(), title.bottom() + 1, 3);
  EXPECT_NEAR(popup.left(), title.left(), 3);
  // Its items are drawn: one band of dark text per item (17), none of them empty.
  int bands = 0;
  bool inText = false;
  for (int y = popup.top() + 2; y < popup.bottom() - 2; ++y) {
    bool dark = false;
    for (int x = popup.left() + 4; x < popup.right() - 4 && !dark; ++x)
      dark = Dark(screen.pixel(x, y));
    if (dark && !inText) ++bands;
    inText = dark;
  }
  EXPECT_EQ(bands, 17);
  console.ShowMenuBar(false);
}

// The File menu's "Save to Memory" on an examiner's screen of 720 lines: the column breaks of
// its definition give three columns (F1 .. F12 with the gallery item, 13 .. 24, 25 .. 36), and
// the whole menu fits on the screen.
TEST(MenuScreen, SaveToMemoryOpensInColumnsOnTheXServer) {
  const QByteArray shot = qgetenv(kShotVariable);
  if (shot.isEmpty()) GTEST_SKIP() << "runs only inside ConsoleWithTheSizeMenuOpen";
  QtConsoleHost console;
  ProgramContext context(console);
  context.state.settings.AcuityBase = 20;
  BuildMenus(context);
  console.Window().show();
  console.Window().move(40, 40);
  Settle(500);

  QMenuBar* bar = console.Window().menuBar();
  QAction* file = nullptr;
  for (QAction* action : bar->actions())
    if (action->text() == "File") file = action;
  ASSERT_NE(file, nullptr);
  bar->setActiveAction(file);
  Settle(500);
  QMenu* fileMenu = file->menu();
  QAction* save = nullptr;
  for (QAction* action : fileMenu->actions())
    if (action->text() == "Save to Memory") save = action;
  ASSERT_NE(save, nullptr);
  fileMenu->setActiveAction(save);
  save->menu()->popup(fileMenu->mapToGlobal(fileMenu->actionGeometry(save).topRight()));
  Settle(800);
  QMenu* menu = save->menu();
  ASSERT_TRUE(menu->isVisible());

  const QRect popup = menu->geometry();
  EXPECT_LE(popup.height(), 720);
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
  std::vector<QWidget*> second = std::next(columns.begin())->second;
  std::sort(second.begin(), second.end(),
            [](QWidget* a, QWidget* b) { return a->y() < b->y(); });
  QTest::mouseMove(second.front());
  QTest::mouseClick(second.front(), Qt::LeftButton);
  Settle(300);
  const MenuChoice choice = console.TakeMenuChoice();
  EXPECT_EQ(Tie(choice.menu, choice.id), Tie(10, 113));
  EXPECT_FALSE(menu->isVisible());
  console.ShowMenuBar(false);
}

TEST(MenuScreen, ConsoleWithTheSizeMenuOpen) {
  XServer server({"1280x720"});
  if (!server.problem().isEmpty()) GTEST_SKIP() << server.problem().toStdString();
  const QString shot = QString::fromStdString(FreshFolder("shot")) + "/console-size-menu.png";
  QProcess child;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "xcb");
  environment.insert("DISPLAY", server.display());
  environment.insert(kShotVariable, shot);
  environment.insert("ASAN_OPTIONS", "detect_leaks=0");  // the desktop bus library keeps a buffer
  child.setProcessEnvironment(environment);
  child.setProcessChannelMode(QProcess::MergedChannels);
  child.start(QCoreApplication::applicationFilePath(),
              {"--gtest_filter=MenuScreen.*OnTheXServer"});
  ASSERT_TRUE(child.waitForFinished(60000)) << child.readAll().toStdString();
  EXPECT_EQ(child.exitCode(), 0) << child.readAll().toStdString();
  EXPECT_FALSE(QImage(shot).isNull());
}

}  // namespace lenvari
