#include <QFileDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QScreen>

#include <cmath>
#include <fstream>

#include "support/ProgramRun.h"
#include "tests/dialogs/ConfigurationDialogRun.h"

namespace lenvari {
namespace {

QColor SwatchColour(QDialog& d, int id) {
  return Control<QFrame>(d, id)->palette().color(QPalette::Window);
}

double Cm(double feet) { return std::round(0.174533048 * feet * 2.54 * 100) / 100; }

TEST(ConfigurationDialog, OpensOnTheSettingsAndCancelWithoutEditsChangesNothing) {
  ConfigurationArguments args;
  args.LabelSize[1] = 25;
  args.LabelColor[1] = "Purple";  // hand-edited, matches no item
  args.MaxVShutter[1] = 0;
  args.StatusBar[1] = 0;
  args.TimerDelay = 1.5f;
  args.AcuityBase = 1;
  args.AstigMode = "RotatingArrow";
  args.RedGreenOrRedBlue = "RedBlue";
  args.MyRed = 200;
  args.MyBlue = 90 << 16;
  args.MyBlack = 0x404040;
  args.TestDistance[1] = " 20 feet";
  args.JacksonCrossTargetSize[1] = 80;
  args.WorthDotMode[1] = 3;
  args.FixDispFusionLock[1] = 0;
  const ConfigurationArguments before = args;
  const int result = args.Run([](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Lenvari Acuity Configuration");
    EXPECT_TRUE(d.windowFlags() & Qt::WindowStaysOnTopHint);
    const QRect screen = d.screen()->availableGeometry();
    EXPECT_LE(std::abs(d.geometry().center().x() - screen.center().x()), 2);
    EXPECT_EQ(Control<QGroupBox>(d, kExamRoomFrameId)->title(), "Exam Room Configuration    ");
    EXPECT_EQ(Control<QGroupBox>(d, kColourFrameId)->title(), "*Color Calibration        ");
    EXPECT_EQ(Control<QGroupBox>(d, kAudioVideoFrameId)->title(), "Audio / Video ");
    // Values that match an item select it; the others leave the list without a selection.
    EXPECT_EQ(Chosen(d, kLabelSizeListId), "20/25");
    EXPECT_EQ(Control<QComboBox>(d, kLabelColorListId)->currentIndex(), -1);
    EXPECT_EQ(Control<QComboBox>(d, kMaxRowsListId)->currentIndex(), -1);
    EXPECT_EQ(Control<QComboBox>(d, kMaxRowsListId)->count(), 10);
    EXPECT_EQ(Control<QComboBox>(d, kAstigmatismListId)->currentIndex(), -1);
    EXPECT_EQ(Chosen(d, kTimerDelayListId), "1.5 sec");
    EXPECT_EQ(Chosen(d, kJccListId), "20/80");
    EXPECT_EQ(Chosen(d, kWorthSizeListId), "20/40");
    EXPECT_EQ(Chosen(d, kContrastListId), "10%");
    EXPECT_EQ(Chosen(d, kPatientMonitorListId), "1");
    EXPECT_EQ(Control<QComboBox>(d, kPatientMonitorListId)->count(), 2);
    EXPECT_TRUE(Checked(d, kStatusBarId));  // 0 means the status line is shown
    EXPECT_TRUE(Checked(d, kThreeDotId));
    EXPECT_TRUE(Checked(d, kFusionOffId));
    // Decimal notation: Show Numerator has no meaning and is disabled.
    EXPECT_TRUE(Checked(d, kDecimalId));
    EXPECT_FALSE(Control<QCheckBox>(d, kShowNumeratorId)->isEnabled());
    EXPECT_FALSE(Control<QCheckBox>(d, kThumbnailId)->isEnabled());
    EXPECT_FALSE(Control<QCheckBox>(d, kAlwaysOnTopId)->isEnabled());
    EXPECT_EQ(Control<QLineEdit>(d, kDistanceEditId)->text(), "20");
    EXPECT_TRUE(Checked(d, kFeetId));
    EXPECT_EQ(Control<QLabel>(d, kSizeValueId)->text(), "8.87");
    EXPECT_EQ(Control<QLineEdit>(d, kVideoPathId)->text(), "(No Video Selected)");
    EXPECT_TRUE(Control<QLineEdit>(d, kVideoPathId)->isReadOnly());
    // Red/Blue glasses: the middle bar is the blue one.
    EXPECT_TRUE(Checked(d, kRedBlueId));
    EXPECT_EQ(Control<QLabel>(d, kMiddleBarLabelId)->text(), "*Blue");
    EXPECT_EQ(Control<QSlider>(d, kMiddleBarId)->value(), 90);
    EXPECT_EQ(Control<QSlider>(d, kRedBarId)->value(), 200);
    EXPECT_EQ(Control<QSlider>(d, kBackgroundBarId)->maximum(), 255);
    EXPECT_EQ(SwatchColour(d, kBackgroundSwatchId), QColor(64, 64, 64));
    EXPECT_EQ(SwatchColour(d, kRedSwatchId), QColor(200, 0, 0));
    EXPECT_EQ(SwatchColour(d, kOtherSwatchId), QColor(0, 0, 90));
    EXPECT_TRUE(Control<QPushButton>(d, kSaveId)->isDefault());
    // Nothing changed: Cancel closes at once, without a question.
    auto asked = ExpectMessage([](QMessageBox& box) { box.reject(); });
    Click(d, kCancelId);
    EXPECT_FALSE(*asked);
  });
  EXPECT_EQ(result, 0);
  EXPECT_TRUE(args == before);
}

TEST(ConfigurationDialog, SaveWritesBackEveryEditWithTheStoredForms) {
  ConfigurationArguments args;
  args.MyRed = 0xFF00FF;  // a hand-edited magenta: Save rebuilds it as a red
  args.LabelColor[2] = "Purple";
  args.Mirror[3] = 7;  // beyond the monitors attached: never written
  const int result = args.Run([](QDialog& d) {
    Click(d, kMirroredRoomId);
    Click(d, kSixMetersId);
    Click(d, kShowNumeratorId);
    Choose(d, kLabelSizeListId, "None");
    Choose(d, kLabelColorListId, "Yellow");
    Choose(d, kMaxRowsListId, "7");
    Click(d, kStatusBarId);
    Click(d, kMonitorWindowId);
    EXPECT_TRUE(Control<QCheckBox>(d, kThumbnailId)->isEnabled());
    Click(d, kThumbnailId);
    Click(d, kAlwaysOnTopId);
    Click(d, kSmoothingId);
    Choose(d, kAstigmatismListId, "Dial No Labels");
    Choose(d, kJccListId, "20/15");
    Choose(d, kContrastListId, "3%");
    Choose(d, kWorthSizeListId, "20/60");
    Click(d, kThreeDotId);
    Click(d, kFusionOffId);
    Choose(d, kTimerDelayListId, "5.0 sec");
    Click(d, kAudioAlertId);
    Control<QSlider>(d, kRedBarId)->setValue(128);
    Control<QSlider>(d, kBackgroundBarId)->setValue(30);
    Click(d, kRedBlueId);
    Control<QSlider>(d, kMiddleBarId)->setValue(77);
    Click(d, kVirtualRemoteId);
    QTest::keyClick(Control<QComboBox>(d, kJccListId), Qt::Key_Return);  // Enter saves
  });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(args.Mirror[1], -1);
  EXPECT_EQ(args.AcuityBase, 6);
  EXPECT_EQ(args.ShowTestDistance[1], 0);
  EXPECT_EQ(args.LabelSize[1], 0);
  EXPECT_EQ(args.LabelColor[1], "Yellow");
  EXPECT_EQ(args.MaxVShutter[1], 7);
  EXPECT_EQ(args.StatusBar[1], 0);
  EXPECT_EQ(args.MonitorWindowFlag, 1);
  EXPECT_EQ(args.ThumbnailFlag, 1);
  EXPECT_EQ(args.AlwaysOnTopFlag, 1);
  EXPECT_EQ(args.SmoothingFlag, 0);
  EXPECT_EQ(args.AstigMode, "DialNoLabels");
  EXPECT_EQ(args.JacksonCrossTargetSize[1], 15);
  EXPECT_EQ(args.AccessibleContrast[1], 3);
  EXPECT_EQ(args.WorthDotSize[1], 60);
  EXPECT_EQ(args.WorthDotMode[1], 3);
  EXPECT_EQ(args.FixDispFusionLock[1], 0);
  EXPECT_EQ(args.TimerDelay, 5.0f);
  EXPECT_EQ(args.AudioAlert, 1);
  EXPECT_EQ(args.RedGreenOrRedBlue, "RedBlue");
  EXPECT_EQ(args.MyRed, 128);
  EXPECT_EQ(args.MyGreen, 255 << 8);  // untouched intensity, rebuilt as a pure green
  EXPECT_EQ(args.MyBlue, 77 << 16);
  EXPECT_EQ(args.MyBlack, 0x1E1E1E);
  EXPECT_EQ(args.ShowVirtualRemote, 1);
  EXPECT_EQ(args.VideoPlayer, "player");
  // The other monitor and the entries beyond the monitors attached keep what they had.
  EXPECT_EQ(args.Mirror[2], 1);
  EXPECT_EQ(args.LabelColor[2], "Purple");
  EXPECT_EQ(args.Mirror[3], 7);
}

TEST(ConfigurationDialog, EachMonitorIsEditedApartAndTheLastChosenIsReturned) {
  ConfigurationArguments args;
  args.LabelSize[2] = 50;
  args.TestDistance[2] = "6 meters";
  const int result = args.Run([](QDialog& d) {
    Choose(d, kLabelSizeListId, "20/20");
    TypeDistance(d, "15");
    Choose(d, kPatientMonitorListId, "2");
    // Monitor 2's own values are shown.
    EXPECT_EQ(Chosen(d, kLabelSizeListId), "20/50");
    EXPECT_EQ(Control<QLineEdit>(d, kDistanceEditId)->text(), "6");
    EXPECT_TRUE(Checked(d, kMetersId));
    Click(d, kMirroredRoomId);
    Choose(d, kPatientMonitorListId, "1");
    EXPECT_EQ(Chosen(d, kLabelSizeListId), "20/20");  // the edit made for monitor 1 is kept
    EXPECT_TRUE(Checked(d, kDirectViewId));
    Choose(d, kPatientMonitorListId, "2");
    Click(d, kSaveId);
  });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(args.CurrentMonitor, 2);
  EXPECT_EQ(args.LabelSize[1], 20);
  EXPECT_EQ(args.TestDistance[1], "15 feet");
  EXPECT_EQ(args.Mirror[1], 1);
  EXPECT_EQ(args.LabelSize[2], 50);
  EXPECT_EQ(args.TestDistance[2], "6 meters");
  EXPECT_EQ(args.Mirror[2], -1);
}

TEST(ConfigurationDialog, DistanceKeepsItsUnitAndTheUnitKeepsItsNumber) {
  ConfigurationArguments args;
  args.TestDistance[1] = " 20 feet";
  args.TestDistance[2] = "4 Meters";  // any letter case counts as meters on entry
  args.Run([](QDialog& d) {
    Click(d, kMetersId);
    EXPECT_EQ(Control<QLabel>(d, kSizeValueId)->text(),
              QString::number(std::round(0.174533048 * 20 * 2.54 * 3.28084 * 100) / 100));
    TypeDistance(d, "12.50");
    EXPECT_EQ(Control<QLabel>(d, kSizeValueId)->text(),
              QString::number(std::round(0.174533048 * 12.5 * 2.54 * 3.28084 * 100) / 100));
    Click(d, kFeetId);
    EXPECT_EQ(Control<QLabel>(d, kSizeValueId)->text(), QString::number(Cm(12.5)));
    Choose(d, kPatientMonitorListId, "2");
    EXPECT_TRUE(Checked(d, kMetersId));
    Click(d, kSaveId);
  });
  EXPECT_EQ(args.TestDistance[1], "12.5 feet");
  EXPECT_EQ(args.TestDistance[2], "4 Meters");

  // Switching the unit alone keeps the number and its blank.
  EXPECT_EQ(args.CurrentMonitor, 2);
  args.CurrentMonitor = 1;
  args.TestDistance[1] = " 10 feet";
  args.Run([](QDialog& d) {
    Click(d, kMetersId);
    EXPECT_EQ(Control<QLabel>(d, kSizeValueId)->text(), "14.54");
    Click(d, kSaveId);
  });
  EXPECT_EQ(args.TestDistance[1], " 10 meters");
}

// A unit word typed after the number selects that unit; what is no distance is refused with
// the range message, never saved as the number it begins with.
TEST(ConfigurationDialog, TheDistanceBoxTakesANumberOrANumberWithItsUnit) {
  ConfigurationArguments args;
  args.NumberOfMonitors = 2;
  args.Run([](QDialog& d) {
    TypeDistance(d, "6 meters");  // while Feet is selected
    EXPECT_TRUE(Checked(d, kMetersId));
    EXPECT_EQ(Control<QLabel>(d, kSizeValueId)->text(),
              QString::number(std::round(0.174533048 * 6 * 2.54 * 3.28084 * 100) / 100));
    Click(d, kFeetId);  // the unit word goes, the number stays
    EXPECT_EQ(Control<QLineEdit>(d, kDistanceEditId)->text(), "6");
    TypeDistance(d, "20 FT");
    EXPECT_TRUE(Checked(d, kFeetId));
    Choose(d, kPatientMonitorListId, "2");
    TypeDistance(d, "3,5");
    Click(d, kMetersId);
    Choose(d, kPatientMonitorListId, "1");
    Click(d, kSaveId);
  });
  EXPECT_EQ(args.TestDistance[1], "20 feet");
  EXPECT_EQ(args.TestDistance[2], "3.5 meters");

  for (const char* typed : {"12abc", "6 miles", "", "3,5,1", "m"}) {
    ConfigurationArguments refused;
    std::shared_ptr<bool> told;
    refused.Run([&](QDialog& d) {
      TypeDistance(d, "6 m");
      TypeDistance(d, typed);
      if (!*typed) QTest::keyClick(Control<QLineEdit>(d, kDistanceEditId), Qt::Key_Backspace);
      told = ExpectMessage([](QMessageBox& box) {
        EXPECT_TRUE(box.text().startsWith("You must enter a valid optical distance"));
        box.accept();
      });
      Click(d, kSaveId);
      EXPECT_TRUE(d.isVisible());
      // Shown as typed after a visit to another monitor.
      Choose(d, kPatientMonitorListId, "2");
      Choose(d, kPatientMonitorListId, "1");
      EXPECT_EQ(Control<QLineEdit>(d, kDistanceEditId)->text(), typed);
      ExpectMessage([](QMessageBox& box) { box.button(QMessageBox::Ok)->click(); });  // discard
      Click(d, kCancelId);
    });
    EXPECT_TRUE(*told) << typed;
    EXPECT_EQ(refused.TestDistance[1], "20 feet") << typed;
  }
}

TEST(ConfigurationDialog, ADistanceTheCalibrationWouldRefuseKeepsTheDialogOpen) {
  ConfigurationArguments args;
  args.CurrentMonitor = 2;
  std::shared_ptr<bool> refusedOnSave, refusedOnCalibrate;
  const int result = args.Run([&](QDialog& d) {
    Choose(d, kPatientMonitorListId, "1");
    TypeDistance(d, "50");  // beyond 40 feet
    Choose(d, kPatientMonitorListId, "2");
    const auto check = [&d](QMessageBox& box) {
      EXPECT_EQ(box.windowTitle(), " ");
      EXPECT_TRUE(box.text().startsWith("You must enter a valid optical distance"));
      EXPECT_TRUE(d.isVisible());
      box.accept();
    };
    refusedOnSave = ExpectMessage(check);
    Click(d, kSaveId);
    // The dialog shows the monitor whose distance it refused.
    EXPECT_EQ(Chosen(d, kPatientMonitorListId), "1");
    TypeDistance(d, "0.2");
    Click(d, kMetersId);
    refusedOnCalibrate = ExpectMessage(check);
    Click(d, kCalibrateId);
    TypeDistance(d, "3.5");
    Click(d, kCalibrateId);
  });
  EXPECT_TRUE(*refusedOnSave);
  EXPECT_TRUE(*refusedOnCalibrate);
  EXPECT_EQ(result, 1);  // Calibrate
  EXPECT_EQ(args.TestDistance[1], "3.5 meters");
  EXPECT_EQ(args.CurrentMonitor, 1);
}

TEST(ConfigurationDialog, CancelAsksOnlyWhenASettingChanged) {
  ConfigurationArguments args;
  const ConfigurationArguments before = args;
  // The Virtual Remote box alone is no change: Cancel closes at once and keeps nothing.
  args.Run([](QDialog& d) {
    Click(d, kVirtualRemoteId);
    auto asked = ExpectMessage([](QMessageBox& box) { box.reject(); });
    QTest::keyClick(&d, Qt::Key_Escape);
    EXPECT_FALSE(*asked);
  });
  EXPECT_TRUE(args == before);

  // After a change the question comes; its Cancel keeps the dialog, its OK discards.
  std::shared_ptr<bool> first, second;
  const int result = args.Run([&](QDialog& d) {
    Choose(d, kMaxRowsListId, "2");
    first = ExpectMessage([](QMessageBox& box) {
      EXPECT_EQ(box.windowTitle(), " ");
      EXPECT_EQ(box.text(), "Discard all configuration changes?");
      EXPECT_EQ(box.standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
      box.button(QMessageBox::Cancel)->click();
    });
    Click(d, kCancelId);
    EXPECT_TRUE(d.isVisible());
    second = ExpectMessage([](QMessageBox& box) { box.button(QMessageBox::Ok)->click(); });
    QTest::keyClick(&d, Qt::Key_Escape);
  });
  EXPECT_TRUE(*first);
  EXPECT_TRUE(*second);
  EXPECT_EQ(result, 0);
  EXPECT_TRUE(args == before);
}

TEST(ConfigurationDialog, ControlsFollowTheirSwitches) {
  ConfigurationArguments args;
  args.Run([](QDialog& d) {
    QCheckBox* numerator = Control<QCheckBox>(d, kShowNumeratorId);
    Click(d, kDecimalId);
    EXPECT_FALSE(numerator->isEnabled());
    Click(d, kTwentyFeetId);
    EXPECT_TRUE(numerator->isEnabled());
    Click(d, kMonitorWindowId);
    EXPECT_TRUE(Control<QCheckBox>(d, kAlwaysOnTopId)->isEnabled());
    Click(d, kMonitorWindowId);
    EXPECT_FALSE(Control<QCheckBox>(d, kThumbnailId)->isEnabled());
    // The glasses choice relabels the middle bar and brings back that colour's intensity.
    Control<QSlider>(d, kMiddleBarId)->setValue(100);
    EXPECT_EQ(SwatchColour(d, kOtherSwatchId), QColor(0, 100, 0));
    Click(d, kRedBlueId);
    EXPECT_EQ(Control<QLabel>(d, kMiddleBarLabelId)->text(), "*Blue");
    EXPECT_EQ(Control<QSlider>(d, kMiddleBarId)->value(), 255);
    EXPECT_EQ(SwatchColour(d, kOtherSwatchId), QColor(0, 0, 255));
    Click(d, kRedGreenId);
    EXPECT_EQ(Control<QSlider>(d, kMiddleBarId)->value(), 100);
    Control<QSlider>(d, kBackgroundBarId)->setValue(20);
    EXPECT_EQ(SwatchColour(d, kBackgroundSwatchId), QColor(20, 20, 20));
    Click(d, kSaveId);
  });
  EXPECT_EQ(args.MyGreen, 100 << 8);
  EXPECT_EQ(args.RedGreenOrRedBlue, "RedGreen");
  EXPECT_EQ(args.MonitorWindowFlag, 0);
}

TEST(ConfigurationDialog, HelpButtonsOpenTheirTopics) {
  const char* titles[kHelpTopics] = {
      "Exam Room Configuration Help", "Acuity Notation Help", "Display Options Help",
      "Calibration Help", "Astigmatism Target Help", "JCC Size Help", "Contrast Mode Help",
      "Worth Dot Size Help", "Worth Dot Mode Help", "Fixation Disparity Fusion Lock Help",
      "Timer Delay Help", "Audio Notification Help", "Select Video Help",
      "Color Calibration Help"};
  ConfigurationArguments args;
  args.Run([&](QDialog& d) {
    for (int topic = 0; topic < kHelpTopics; ++topic) {
      QString text;
      auto shown = ExpectMessage([&](QMessageBox& box) {
        EXPECT_EQ(box.windowTitle(), titles[topic]);
        EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
        text = box.text();
        box.accept();
      });
      Click(d, kFirstHelpId + topic);
      EXPECT_TRUE(*shown) << topic;
      if (topic == 0)
        EXPECT_EQ(text, "You can select 'Direct View' for exam rooms that do not use a mirror, "
                        "or 'Mirrored Room' to reverse the letters.  You can also select the "
                        "monitor for the patient display.  ");
      if (topic == 10)
        EXPECT_TRUE(text.endsWith("pressing and holding the 'Random' button on the handheld "
                                  "remote"));
    }
    Click(d, kCancelId);  // help is no change
  });
}

TEST(ConfigurationDialog, SelectVideoReplacesTheFileOnlyWhenOneIsChosen) {
  const std::string folder = FreshFolder("video");
  const std::string clip = folder + "/clip.mp4";
  std::ofstream(clip) << "x";
  ConfigurationArguments args;
  args.SelectedVideo = folder + "/old.MP4";
  args.Run([&](QDialog& d) {
    const auto answer = [&](bool choose) {
      QTimer::singleShot(0, [&, choose] {
        auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        EXPECT_EQ(chooser->windowTitle(), "Lenvari Acuity - Select Video File");
        EXPECT_EQ(chooser->directory().absolutePath().toStdString(), folder);
        EXPECT_EQ(chooser->fileMode(), QFileDialog::ExistingFile);
        EXPECT_TRUE(chooser->selectedNameFilter().startsWith(
            "Video Files (*.MP4, *.MOV, *.WMV, *.MPG, *.AVI)"));
        if (!choose) {
          chooser->reject();
          return;
        }
        chooser->selectFile(QString::fromStdString(clip));
        static_cast<QDialog*>(chooser)->accept();
      });
      Click(d, kSelectVideoId);
    };
    answer(false);
    EXPECT_EQ(Control<QLineEdit>(d, kVideoPathId)->text().toStdString(), folder + "/old.MP4");
    answer(true);
    EXPECT_EQ(Control<QLineEdit>(d, kVideoPathId)->text().toStdString(), clip);
    Click(d, kSaveId);
  });
  EXPECT_EQ(args.SelectedVideo, clip);
}

TEST(ConfigurationDialog, AnErrorInsideIsTrappedAndReported) {
  ConfigurationArguments args;
  args.CurrentMonitor = 12;  // beyond the ten monitors the tables hold
  const ConfigurationArguments before = args;
  auto shown = ExpectMessage([](QMessageBox& box) {
    EXPECT_EQ(box.text(), "error trapped: 9   Subscript out of range");
    box.accept();
  });
  EXPECT_EQ(args.Call(), 0);
  EXPECT_TRUE(*shown);
  EXPECT_TRUE(args == before);
}

TEST(ConfigurationDialog, NamedFacesResolveToFacesWithTheirWidths) {
  ConfigurationArguments args;
  args.Run([](QDialog& d) {
    const auto family = [&](int id) { return QFontInfo(Control<QWidget>(d, id)->font()).family(); };
    for (int id : {kDirectViewId, kSmoothingId, kThumbnailId, kSelectVideoId, kRedBarLabelId})
      EXPECT_TRUE(family(id) == "Arial" || family(id) == "Liberation Sans") << id;
    EXPECT_TRUE(family(kAlwaysOnTopId) == "Arial Narrow" ||
                family(kAlwaysOnTopId) == "Liberation Sans Narrow");
    Click(d, kCancelId);
  });
}

}  // namespace
}  // namespace lenvari
