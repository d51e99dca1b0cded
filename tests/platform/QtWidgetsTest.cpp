// The Qt backends' own widgets: the console's menu bar, and a dialog fitted to its monitor.

#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>

#include "platform/qt/DialogFit.h"
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
  for (const auto& [menu, id] : {std::pair{2, 180}, {11, 180}, {10, 113}}) {
    const MenuChoice choice = host.TakeMenuChoice();
    EXPECT_EQ(Tie(choice.menu, choice.id), Tie(menu, id));
  }
  EXPECT_EQ(host.TakeMenuChoice().id, 0);

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

// A dialog of fixed places, 1000 x 700, with Save and Cancel at its bottom right, on a monitor
// that leaves 600 x 400: it scrolls, Save and Cancel stay inside it and keep their order.
TEST(DialogFit, AFixedDialogTooBigForItsMonitorScrollsWithItsButtonsStillVisible) {
  QDialog dialog;
  dialog.setFixedSize(1000, 700);
  auto* label = new QLabel("far corner", &dialog);
  label->setGeometry(900, 600, 90, 20);
  auto* save = new QPushButton("Save", &dialog);
  save->setGeometry(820, 660, 80, 28);
  auto* cancel = new QPushButton("Cancel", &dialog);
  cancel->setGeometry(910, 660, 80, 28);
  auto* middle = new QPushButton("Calibrate", &dialog);
  middle->setGeometry(20, 300, 80, 28);

  FitDialogInto(dialog, QSize(600, 400));
  EXPECT_EQ(dialog.size(), QSize(600, 400));
  for (const QPushButton* button : {save, cancel}) {
    EXPECT_EQ(button->parentWidget(), &dialog);
    EXPECT_TRUE(dialog.rect().contains(button->geometry())) << button->text().toStdString();
  }
  EXPECT_EQ(cancel->x() - save->x(), 90);
  const auto* area = dialog.findChild<QScrollArea*>();
  ASSERT_NE(area, nullptr);
  EXPECT_LE(area->geometry().bottom(), save->y());
  // The rest scrolls, at its old places.
  EXPECT_EQ(Tie(label->parentWidget(), label->pos(), middle->parentWidget()),
            Tie(area->widget(), QPoint(900, 600), area->widget()));

  QDialog small;
  small.setFixedSize(300, 200);
  FitDialogInto(small, QSize(600, 400));
  EXPECT_EQ(small.size(), QSize(300, 200));
  EXPECT_EQ(small.findChild<QScrollArea*>(), nullptr);
}

}  // namespace lenvari
