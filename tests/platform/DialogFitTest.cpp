#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

#include "platform/qt/DialogFit.h"
#include "support/Tie.h"

namespace lenvari {

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
