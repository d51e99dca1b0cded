#pragma once
// Runs the configuration dialog on a set of settings and drives it through its real widgets.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "dialogs/ConfigurationControls.h"
#include "dialogs/ConfigurationValues.h"
#include "dialogs/LenvariDLL.h"
#include "tests/dialogs/DialogDriving.h"

namespace lenvari {

// The caller's side of the dialog: every argument, with the defaults of a fresh installation
// on two monitors.
struct ConfigurationArguments : ConfigurationValues {
  int* luminanceOption = nullptr;  // the program's own option, when it is passed
  int* phoneOption = nullptr;      // the phone remote's switch, when it is passed

  ConfigurationArguments() {
    AstigMode = "DialWithLabels";
    RedGreenOrRedBlue = "RedGreen";
    MyRed = 255, MyBlue = 16711680, MyGreen = 65280, MyBlack = 0;
    VideoPlayer = "player";
    NumberOfMonitors = 2;
    SmoothingFlag = 1;
    for (int m = 1; m <= 10; ++m) {
      ShowTestDistance[m] = 1;
      Mirror[m] = 1;
      LabelSize[m] = 10;
      LabelColor[m] = "Blue";
      MaxVShutter[m] = 4;
      StatusBar[m] = 1;
      TestDistance[m] = "20 feet";
      JacksonCrossTargetSize[m] = 30;
      AccessibleContrast[m] = 10;
      WorthDotSize[m] = 40;
      FixDispFusionLock[m] = 1;
      WorthDotMode[m] = 4;
    }
  }

  bool operator==(const ConfigurationArguments&) const = default;

  // The library's export on these arguments.
  int Call() {
    return SHOWCONFIGURATION(0, AcuityBase, ShowTestDistance, Mirror, CurrentMonitor, LabelSize,
                             LabelColor, MaxVShutter, StatusBar, TestDistance, AstigMode,
                             JacksonCrossTargetSize, AccessibleContrast, WorthDotSize,
                             FixDispFusionLock, RedGreenOrRedBlue, WorthDotMode, MyRed, MyBlue,
                             MyGreen, MyBlack, AudioAlert, SelectedVideo, VideoPlayer,
                             NumberOfMonitors, MonitorWindowFlag, ThumbnailFlag, AlwaysOnTopFlag,
                             SmoothingFlag, TimerDelay, ShowVirtualRemote, luminanceOption,
                             phoneOption);
  }

  // Runs the dialog; `act` drives it once its loop runs and must end it. Returns the result.
  int Run(std::function<void(QDialog&)> act) {
    WhenModal(std::move(act));
    return Call();
  }
};

// Clicks a button where its caption or box is: a check box or radio button takes clicks only
// on its box and text, not on the rest of its area.
inline void Click(QDialog& dialog, int id) {
  QAbstractButton* button = Control<QAbstractButton>(dialog, id);
  const bool pushButton = qobject_cast<QPushButton*>(button) != nullptr;
  QTest::mouseClick(button, Qt::LeftButton, {},
                    pushButton ? button->rect().center() : QPoint(6, button->height() / 2));
}

// Chooses the item of a list by its text, as the examiner would from the drop-down.
inline void Choose(QDialog& dialog, int id, const char* item) {
  QComboBox* list = Control<QComboBox>(dialog, id);
  const int index = list->findText(item);
  ASSERT_GE(index, 0) << item;
  list->setCurrentIndex(index);
}

inline QString Chosen(QDialog& dialog, int id) { return Control<QComboBox>(dialog, id)->currentText(); }
inline bool Checked(QDialog& dialog, int id) {
  return Control<QAbstractButton>(dialog, id)->isChecked();
}

inline void TypeDistance(QDialog& dialog, const char* text) {
  QLineEdit* edit = Control<QLineEdit>(dialog, kDistanceEditId);
  edit->selectAll();
  QTest::keyClicks(edit, text);
}

}  // namespace lenvari
