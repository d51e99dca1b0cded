#include <QScreen>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "dialogs/LenvariDLL.h"
#include "tests/dialogs/DialogDriving.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

void RunDualInput(std::string& first, std::string& second, std::function<void(QDialog&)> act) {
  WhenModal(std::move(act));
  SHOWDIALOG_DUALINPUT(0, "Two Numbers", "Width:", first, "Height:", second);
}

TEST(DualInputDialog, OkReadsBothBoxesAndCancelKeepsBothValues) {
  std::string first = "12", second = "7";
  RunDualInput(first, second, [](QDialog& d) {
    EXPECT_EQ(Tie(d.windowTitle(), Control<QLabel>(d, 1339)->text(), Control<QLabel>(d, 1340)->text(),
                  Control<QLineEdit>(d, 1341)->text(), Control<QLineEdit>(d, 1342)->text(),
                  Control<QPushButton>(d, 1343)->text()),
              Tie("Two Numbers", "Width:", "Height:", "12", "7", "OK"));
    // Both boxes are as wide as each other and the window, 250 units, holds them with a margin.
    const QRect box = Control<QLineEdit>(d, 1341)->geometry();
    EXPECT_EQ(box.width(), Control<QLineEdit>(d, 1342)->width());
    EXPECT_NEAR(static_cast<double>(box.width()) / d.width(), 214.0 / 250, 0.02);
    EXPECT_NEAR(static_cast<double>(box.x()) / d.width(), 20.0 / 250, 0.01);
    // Placed at a fixed point of the screen rather than centred.
    const QPoint corner = d.screen()->availableGeometry().topLeft();
    EXPECT_NEAR(static_cast<double>(d.x() - corner.x()) / d.width(), 229.0 / 250, 0.02);
    Retype(Control<QLineEdit>(d, 1341), "99");
    Retype(Control<QLineEdit>(d, 1342), "");
    QTest::mouseClick(Control<QPushButton>(d, 1344), Qt::LeftButton);  // Cancel
  });
  EXPECT_EQ(Tie(first, second), Tie("12", "7"));

  RunDualInput(first, second, [](QDialog& d) {
    Retype(Control<QLineEdit>(d, 1341), "any text");
    Retype(Control<QLineEdit>(d, 1342), "");
    QTest::keyClick(Control<QLineEdit>(d, 1342), Qt::Key_Return);  // Enter presses OK
  });
  EXPECT_EQ(Tie(first, second), Tie("any text", ""));
}

}  // namespace
}  // namespace lenvari
