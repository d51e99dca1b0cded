#include <gtest/gtest.h>

#include <QMainWindow>
#include <QAction>
#include <QMenuBar>

#include "platform/qt/QtConsoleHost.h"
#include "support/Tie.h"

namespace lenvari {

TEST(ConsoleMenuBar, ChoicesKeepTheirMenuAndAHiddenBarComesBack) {
  QtConsoleHost host;
  ASSERT_EQ(host.MenuDefinition(1, "File>2|Hide Menu=1000"), 0);
  ASSERT_EQ(host.MenuDefinition(2, "Save>10|Recall>11|Web=180|Exit=100"), 0);
  ASSERT_EQ(host.MenuDefinition(10, "13=113"), 0);
  ASSERT_EQ(host.MenuDefinition(11, "29=179|30=180"), 0);
  EXPECT_NE(host.MenuDefinition(3, "No id here"), 0);
  EXPECT_EQ(host.TakeMenuChoice().id, 0);

  // A doubled id without a menu number is the lowest-numbered menu's item.
  ASSERT_TRUE(host.ChooseMenuItem(0, 180));
  ASSERT_TRUE(host.ChooseMenuItem(11, 180));
  ASSERT_TRUE(host.ChooseMenuItem(0, 113));
  EXPECT_FALSE(host.ChooseMenuItem(0, 999));
  EXPECT_FALSE(host.ChooseMenuItem(10, 180));
  MenuChoice choice = host.TakeMenuChoice();
  EXPECT_EQ(Tie(choice.menu, choice.id), Tie(2, 180));
  choice = host.TakeMenuChoice();
  EXPECT_EQ(Tie(choice.menu, choice.id), Tie(11, 180));
  choice = host.TakeMenuChoice();
  EXPECT_EQ(Tie(choice.menu, host.TakeMenuChoice().id), Tie(10, 0));

  // The bar's top level holds the submenu and the command item, in order.
  QMenuBar* bar = host.Window().menuBar();
  ASSERT_EQ(bar->actions().size(), 2);
  EXPECT_EQ(Tie(bar->actions()[0]->text(), bar->actions()[1]->text()), Tie("File", "Hide Menu"));

  host.Window().show();
  EXPECT_TRUE(bar->isVisible());
  host.ShowMenuBar(false);
  EXPECT_FALSE(bar->isVisible());
  // The way back: the window's context menu offers the bar again.
  QWidget* screen = host.Window().centralWidget();
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(screen->contextMenuPolicy(), Qt::ActionsContextMenu);
  QAction* back = nullptr;
  for (QAction* action : screen->actions())
    if (action->isVisible()) back = action;
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->text(), "Show Menu");
  back->trigger();
  EXPECT_TRUE(bar->isVisible());
  EXPECT_FALSE(back->isVisible());
}

}  // namespace lenvari
