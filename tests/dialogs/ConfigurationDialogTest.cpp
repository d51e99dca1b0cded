#include <QScreen>
#include <QFileDialog>
#include <QFontInfo>
#include <QGroupBox>

#include <cmath>
#include <fstream>
#include <tuple>

#include "support/ProgramRun.h"
#include "tests/dialogs/ConfigurationDialogRun.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

QColor SwatchColour(QDialog& d, int id) {
  return Control<QFrame>(d, id)->palette().color(QPalette::Window);
}

// The calibration square's side in centimetres, as the dialog shows it, for a distance in feet or
// meters.
QString Cm(double distance, bool meters = false) {
  return QString::number(std::round(0.174533048 * distance * 2.54 * (meters ? 3.28084 : 1) * 100) / 100);
}

TEST(ConfigurationDialog, OpensOnTheSettingsAndCancelWithoutEditsChangesNothing) {
  ConfigurationArguments args;
  args.LabelSize[1] = 25;
  args.LabelColor[1] = "Purple";  // hand-edited, matches no item
  args.MaxVShutter[1] = 0, args.StatusBar[1] = 0, args.TimerDelay = 1.5f, args.AcuityBase = 1;
  args.AstigMode = "RotatingArrow", args.RedGreenOrRedBlue = "RedBlue", args.MyRed = 200;
  args.MyBlue = 90 << 16, args.MyBlack = 0x404040, args.TestDistance[1] = " 20 feet";
  args.JacksonCrossTargetSize[1] = 80, args.WorthDotMode[1] = 3, args.FixDispFusionLock[1] = 0;
  const ConfigurationArguments before = args;
  const int result = args.Run([](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Lenvari Acuity Configuration");
    EXPECT_TRUE(d.windowFlags() & Qt::WindowStaysOnTopHint);
    const QRect screen = d.screen()->availableGeometry();
    EXPECT_LE(std::abs(d.geometry().center().x() - screen.center().x()), 2);
    EXPECT_EQ(Tie(Control<QGroupBox>(d, kExamRoomFrameId)->title(),
                  Control<QGroupBox>(d, kColourFrameId)->title(),
                  Control<QGroupBox>(d, kAudioVideoFrameId)->title()),
              Tie("Exam Room Configuration    ", "*Color Calibration        ", "Audio / Video "));
    // Values that match an item select it; the others leave the list without a selection.
    for (const auto& [id, item] : {std::pair{kLabelSizeListId, "20/25"}, {kTimerDelayListId, "1.5 sec"},
                                   {kJccListId, "20/80"}, {kWorthSizeListId, "20/40"},
                                   {kContrastListId, "10%"}, {kPatientMonitorListId, "1"}})
      EXPECT_EQ(Chosen(d, id), item) << id;
    for (int id : {kLabelColorListId, kMaxRowsListId, kAstigmatismListId})
      EXPECT_EQ(Control<QComboBox>(d, id)->currentIndex(), -1) << id;
    EXPECT_EQ(Control<QComboBox>(d, kMaxRowsListId)->count(), 10);
    EXPECT_EQ(Control<QComboBox>(d, kPatientMonitorListId)->count(), 2);
    // Status bar 0 means the status line is shown; decimal notation has no numerator to show.
    for (int id : {kStatusBarId, kThreeDotId, kFusionOffId, kDecimalId, kFeetId}) EXPECT_TRUE(Checked(d, id)) << id;
    for (int id : {kShowNumeratorId, kThumbnailId, kAlwaysOnTopId})
      EXPECT_FALSE(Control<QCheckBox>(d, id)->isEnabled()) << id;
    const QLineEdit* video = Control<QLineEdit>(d, kVideoPathId);
    EXPECT_EQ(Tie(Control<QLineEdit>(d, kDistanceEditId)->text(),
                  Control<QLabel>(d, kSizeValueId)->text(), video->text(), video->isReadOnly()),
              Tie("20", "8.87", "(No Video Selected)", true));
    // Red/Blue glasses: the middle bar is the blue one.
    EXPECT_EQ(Tie(Checked(d, kRedBlueId), Control<QLabel>(d, kMiddleBarLabelId)->text(),
                  Control<QSlider>(d, kMiddleBarId)->value(),
                  Control<QSlider>(d, kRedBarId)->value(),
                  Control<QSlider>(d, kBackgroundBarId)->maximum()),
              Tie(true, "*Blue", 90, 200, 255));
    EXPECT_EQ(std::tuple(SwatchColour(d, kBackgroundSwatchId), SwatchColour(d, kRedSwatchId), SwatchColour(d, kOtherSwatchId)),
              std::tuple(QColor(64, 64, 64), QColor(200, 0, 0), QColor(0, 0, 90)));
    EXPECT_TRUE(Control<QPushButton>(d, kSaveId)->isDefault());
    // The named faces resolve to faces of their widths.
    const auto family = [&](int id) { return QFontInfo(Control<QWidget>(d, id)->font()).family(); };
    for (int id : {kDirectViewId, kSmoothingId, kThumbnailId, kSelectVideoId, kRedBarLabelId})
      EXPECT_TRUE(family(id) == "Arial" || family(id) == "Liberation Sans") << id;
    EXPECT_TRUE(family(kAlwaysOnTopId) == "Arial Narrow" ||
                family(kAlwaysOnTopId) == "Liberation Sans Narrow");
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
    for (int id : {kMirroredRoomId, kSixMetersId, kShowNumeratorId, kStatusBarId, kMonitorWindowId}) Click(d, id);
    EXPECT_TRUE(Control<QCheckBox>(d, kThumbnailId)->isEnabled());
    for (int id : {kThumbnailId, kAlwaysOnTopId, kSmoothingId, kThreeDotId, kFusionOffId, kAudioAlertId}) Click(d, id);
    for (const auto& [id, item] : {std::pair{kLabelSizeListId, "None"}, {kLabelColorListId, "Yellow"},
                                   {kMaxRowsListId, "7"}, {kAstigmatismListId, "Dial No Labels"},
                                   {kJccListId, "20/15"}, {kContrastListId, "3%"}, {kWorthSizeListId, "20/60"},
                                   {kTimerDelayListId, "5.0 sec"}})
      Choose(d, id, item);
    Control<QSlider>(d, kRedBarId)->setValue(128);
    Control<QSlider>(d, kBackgroundBarId)->setValue(30);
    Click(d, kRedBlueId);
    Control<QSlider>(d, kMiddleBarId)->setValue(77);
    Click(d, kVirtualRemoteId);
    QTest::keyClick(Control<QComboBox>(d, kJccListId), Qt::Key_Return);  // Enter saves
  });
  EXPECT_EQ(result, 0);
  const auto& a = args;
  EXPECT_EQ(std::tuple(a.Mirror[1], a.AcuityBase, a.ShowTestDistance[1], a.LabelSize[1], a.LabelColor[1], a.MaxVShutter[1],
                       a.StatusBar[1], a.MonitorWindowFlag, a.ThumbnailFlag, a.AlwaysOnTopFlag, a.SmoothingFlag),
            std::tuple(-1, 6, 0, 0.0f, "Yellow", 7, 0, 1, 1, 1, 0));
  EXPECT_EQ(std::tuple(a.AstigMode, a.JacksonCrossTargetSize[1], a.AccessibleContrast[1], a.WorthDotSize[1],
                       a.WorthDotMode[1], a.FixDispFusionLock[1], a.TimerDelay, a.AudioAlert, a.ShowVirtualRemote, a.VideoPlayer),
            std::tuple("DialNoLabels", 15, 3, 60, 3, 0, 5.0f, 1, 1, "player"));
  // An untouched intensity (green) is rebuilt as a pure colour.
  EXPECT_EQ(std::tuple(a.RedGreenOrRedBlue, a.MyRed, a.MyGreen, a.MyBlue, a.MyBlack),
            std::tuple("RedBlue", 128, 255 << 8, 77 << 16, 0x1E1E1E));
  // The other monitor and the entries beyond the monitors attached keep what they had.
  EXPECT_EQ(std::tuple(a.Mirror[2], a.LabelColor[2], a.Mirror[3]), std::tuple(1, "Purple", 7));
}

TEST(ConfigurationDialog, EachMonitorIsEditedApartAndTheLastChosenIsReturned) {
  ConfigurationArguments args;
  args.LabelSize[2] = 50, args.TestDistance[2] = "6 meters";
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
  EXPECT_EQ(Tie(result, args.CurrentMonitor), Tie(0, 2));
  EXPECT_EQ(std::tuple(args.LabelSize[1], args.TestDistance[1], args.Mirror[1]), std::tuple(20.0f, "15 feet", 1));
  EXPECT_EQ(std::tuple(args.LabelSize[2], args.TestDistance[2], args.Mirror[2]), std::tuple(50.0f, "6 meters", -1));
}

TEST(ConfigurationDialog, DistanceKeepsItsUnitAndTheUnitKeepsItsNumber) {
  ConfigurationArguments args;
  args.TestDistance[1] = " 20 feet";
  args.TestDistance[2] = "4 Meters";  // any letter case counts as meters on entry
  args.Run([](QDialog& d) {
    Click(d, kMetersId);
    EXPECT_EQ(Control<QLabel>(d, kSizeValueId)->text(), Cm(20, true));
    TypeDistance(d, "12.50");
    EXPECT_EQ(Control<QLabel>(d, kSizeValueId)->text(), Cm(12.5, true));
    Click(d, kFeetId);
    EXPECT_EQ(Control<QLabel>(d, kSizeValueId)->text(), Cm(12.5));
    Choose(d, kPatientMonitorListId, "2");
    EXPECT_TRUE(Checked(d, kMetersId));
    Click(d, kSaveId);
  });
  EXPECT_EQ(Tie(args.TestDistance[1], args.TestDistance[2]), Tie("12.5 feet", "4 Meters"));

  // Switching the unit alone keeps the number and its blank.
  EXPECT_EQ(args.CurrentMonitor, 2);
  args.CurrentMonitor = 1, args.TestDistance[1] = " 10 feet";
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
    EXPECT_EQ(Control<QLabel>(d, kSizeValueId)->text(), Cm(6, true));
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
  EXPECT_EQ(Tie(args.TestDistance[1], args.TestDistance[2]), Tie("20 feet", "3.5 meters"));

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
  EXPECT_EQ(Tie(args.TestDistance[1], args.CurrentMonitor), Tie("3.5 meters", 1));
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
      EXPECT_EQ(Tie(box.windowTitle(), box.standardButtons()),
                Tie(" ", QMessageBox::Ok | QMessageBox::Cancel));
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
    EXPECT_EQ(Tie(Control<QLabel>(d, kMiddleBarLabelId)->text(), Control<QSlider>(d, kMiddleBarId)->value(),
                  SwatchColour(d, kOtherSwatchId)),
              Tie("*Blue", 255, QColor(0, 0, 255)));
    Click(d, kRedGreenId);
    EXPECT_EQ(Control<QSlider>(d, kMiddleBarId)->value(), 100);
    Control<QSlider>(d, kBackgroundBarId)->setValue(20);
    EXPECT_EQ(SwatchColour(d, kBackgroundSwatchId), QColor(20, 20, 20));
    Click(d, kSaveId);
  });
  EXPECT_EQ(std::tuple(args.MyGreen, args.RedGreenOrRedBlue, args.MonitorWindowFlag), std::tuple(100 << 8, "RedGreen", 0));
}

TEST(ConfigurationDialog, HelpButtonsOpenTheirTopics) {
  ConfigurationArguments args;
  args.Run([&](QDialog& d) {
    QString texts;  // all topics' titles and texts word for word: their checksum
    for (int topic = 0; topic < kHelpTopics; ++topic) {
      auto shown = ExpectMessage([&](QMessageBox& box) {
        EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
        texts += "[" + box.windowTitle() + "] " + box.text() + '\n';
        box.accept();
      });
      Click(d, kFirstHelpId + topic);
      EXPECT_TRUE(*shown) << topic;
    }
    EXPECT_EQ(qChecksum(texts.toUtf8()), 3555) << texts.toStdString();
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
        EXPECT_EQ(Tie(chooser->windowTitle(), chooser->directory().absolutePath().toStdString(),
                      chooser->fileMode()),
                  Tie("Lenvari Acuity - Select Video File", folder, QFileDialog::ExistingFile));
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

// The program's own boxes (the luminance-true contrast, the phone remote) set their option on
// Save only; a caller that passes no option sees the box but cannot tick it.
TEST(ConfigurationDialog, OwnOptionBoxesSetTheirOptionOnSaveOnly) {
  for (const int box : {kLuminanceContrastId, kPhoneRemoteId}) {
    SCOPED_TRACE(box);
    int option = 0;
    ConfigurationArguments args;
    (box == kPhoneRemoteId ? args.phoneOption : args.luminanceOption) = &option;
    args.Run([box](QDialog& d) {
      EXPECT_TRUE(Control<QCheckBox>(d, box)->isEnabled());
      EXPECT_FALSE(Checked(d, box));
      Click(d, box);
      auto discard = ExpectMessage([](QMessageBox& m) { m.button(QMessageBox::Ok)->click(); });
      Click(d, kCancelId);
    });
    EXPECT_EQ(option, 0);
    for (const bool tick : {true, false}) {
      args.Run([box, tick](QDialog& d) {
        EXPECT_EQ(Checked(d, box), !tick);
        if (tick) Click(d, box);
        Click(d, kSaveId);
      });
      EXPECT_EQ(option, 1);
    }
    ConfigurationArguments plain;
    plain.Run([box](QDialog& d) {
      EXPECT_FALSE(Control<QCheckBox>(d, box)->isEnabled());
      Click(d, kSaveId);
    });
  }
}

}  // namespace
}  // namespace lenvari
