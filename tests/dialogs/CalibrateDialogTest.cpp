#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <tuple>

#include "dialogs/LenvariDLL.h"
#include "tests/dialogs/DialogDriving.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

QLineEdit* Edit(QDialog& d) { return Control<QLineEdit>(d, 1004); }
QRadioButton* Feet(QDialog& d) { return Control<QRadioButton>(d, 1001); }
QRadioButton* Meters(QDialog& d) { return Control<QRadioButton>(d, 1002); }
void ClickOk(QDialog& d) { Click(Control<QPushButton>(d, 1005)); }
void ClickCancel(QDialog& d) { Click(Control<QPushButton>(d, 1006)); }

// Runs the dialog on `distance`; `act` drives it once its modal loop runs and must end it.
std::string RunDialog(std::string& distance, std::function<void(QDialog&)> act) {
  WhenModal(std::move(act));
  return SHOWCALIBRATE(0, distance);
}

// Clicks OK expecting the range message. False when no message came.
bool ClickOkExpectingMessage(QDialog& dialog) {
  const auto shown = ExpectRangeMessage(dialog);
  ClickOk(dialog);
  return *shown;
}

// The distance opens with its unit and number; "Meters" with a capital selects no unit, and
// without a unit any positive number is taken, the text ending in the blank.
TEST(CalibrateDialog, OpensOnTheDistanceAndItsUnitAndEnterPressesOk) {
  const std::tuple<std::string, bool, const char*, std::string> cases[] = {
      {" 20 feet", true, "20", " 20 feet"}, {"20 feet", true, "20", " 20 feet"},
      {"6 Meters", false, "6", " 6 "}};
  for (const auto& [start, feet, shown, stored] : cases) {
    std::string distance = start;
    const std::string result = RunDialog(distance, [&](QDialog& d) {
      EXPECT_EQ(Tie(d.windowTitle(), d.size()), Tie("Calibrate Lenvari Acuity", QSize(484, 172)));
      QPushButton* ok = Control<QPushButton>(d, 1005);
      EXPECT_EQ(Tie(Feet(d)->isChecked(), Meters(d)->isChecked(), Edit(d)->text(), d.focusWidget(),
                    ok->geometry(), ok->isDefault(), Control<QPushButton>(d, 1006)->text()),
                Tie(feet, false, shown, Edit(d), QRect(158, 122, 44, 28), true, "Cancel"));
      EXPECT_EQ(Tie(Edit(d)->geometry(), Edit(d)->font().pointSize(), Meters(d)->font().pointSize()),
                Tie(QRect(158, 70, 82, 26), 14, 12));
      QTest::keyClick(Edit(d), Qt::Key_Return);  // Enter presses OK
    });
    EXPECT_EQ(Tie(result, distance), Tie(stored, stored)) << start;
  }
}

// Each case types a refused distance, then one that is accepted, or edits and cancels (Escape on
// a first start whose distance is still empty): the distance is then left as it was.
TEST(CalibrateDialog, RangeIsCheckedInTheUnitChosenWithInclusiveLimits) {
  struct Case {
    const char* start;
    const char* refused;  // "" when the first entry is accepted
    bool meters;          // switch the unit to Meters after typing
    const char* accepted;  // nullptr: type 7, choose Meters and cancel
    const char* result;
  };
  const Case cases[] = {
      {" 6 meters", "12.5", false, "12", " 12 meters"},  {" 20 feet", "40", true, "10", " 10 meters"},
      {" 20 feet", "40.01", false, "40", " 40 feet"},    {" 20 feet", "0.99", false, "1", " 1 feet"},
      {" 6 meters", "0.29", false, "0.3", " 0.3 meters"}, {" 6 meters", "abc", false, "3.50", " 3.5 meters"},
      {" 6 meters", "", false, "4m", " 4 meters"},       {" 20 feet", "", false, nullptr, " 20 feet"},
      {"", "", false, nullptr, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.start) + " / " + c.refused + " / " + (c.accepted ? c.accepted : "cancel"));
    std::string distance = c.start;
    bool refused = false;
    const std::string result = RunDialog(distance, [&](QDialog& d) {
      EXPECT_EQ(Meters(d)->isChecked(), std::string(c.start).ends_with("meters"));
      if (*c.refused) {
        Retype(Edit(d), c.refused);
        if (c.meters) Click(Meters(d));
        refused = ClickOkExpectingMessage(d);
        EXPECT_TRUE(d.isVisible());
      }
      Retype(Edit(d), c.accepted ? c.accepted : "7");
      if (c.accepted) return ClickOk(d);
      Click(Meters(d));
      *c.start ? ClickCancel(d) : QTest::keyClick(Edit(d), Qt::Key_Escape);
    });
    EXPECT_EQ(refused, *c.refused != 0);
    EXPECT_EQ(Tie(distance, result), Tie(c.result, c.result));
  }
}

// A distance of nothing is refused even without a unit.
TEST(CalibrateDialog, NoDistanceIsRefusedWithoutAUnit) {
  std::string distance = "far";
  bool refused = false;
  RunDialog(distance, [&](QDialog& d) {
    EXPECT_EQ(Edit(d)->text(), "0");
    refused = ClickOkExpectingMessage(d);
    Click(Feet(d));
    Retype(Edit(d), "13");
    ClickOk(d);
  });
  EXPECT_TRUE(refused);
  EXPECT_EQ(distance, " 13 feet");
}

TEST(CalibrateDialog, TabMovesFromTheDistanceToTheUnitAndTheButtons) {
  std::string distance = " 20 feet";
  RunDialog(distance, [](QDialog& d) {
    d.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&d, 2000));
    Edit(d)->setFocus();
    QTest::keyClick(&d, Qt::Key_Tab);
    EXPECT_EQ(d.focusWidget(), Feet(d));
    // The unit pair is one stop; an arrow moves to the other unit and selects it.
    QTest::keyClick(Feet(d), Qt::Key_Down);
    EXPECT_EQ(d.focusWidget(), Meters(d));
    EXPECT_TRUE(Meters(d)->isChecked());
    for (int id : {1005, 1006, 1004}) {  // OK, Cancel, back to the distance
      QTest::keyClick(&d, Qt::Key_Tab);
      EXPECT_EQ(d.focusWidget(), Control<QWidget>(d, id)) << id;
    }
    // The unit chosen with the arrow counts: 13 meters is out of range.
    Retype(Edit(d), "13");
    EXPECT_TRUE(ClickOkExpectingMessage(d));
    // Enter on the focused Cancel button presses Cancel, not the default OK.
    Retype(Edit(d), "30");
    Control<QPushButton>(d, 1006)->setFocus();
    QTest::keyClick(Control<QPushButton>(d, 1006), Qt::Key_Return);
  });
  EXPECT_EQ(distance, " 20 feet");
}

}  // namespace
}  // namespace lenvari
