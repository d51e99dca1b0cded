// The configuration dialog run on a set of settings and driven through its real widgets.

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QSlider>
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <functional>
#include <string>
#include <tuple>

#include "dialogs/ConfigurationControls.h"
#include "dialogs/ConfigurationValues.h"
#include "dialogs/LenvariDLL.h"
#include "support/ProgramRun.h"
#include "support/Tie.h"
#include "tests/dialogs/DialogDriving.h"

namespace lenvari {
namespace {

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

void Click(QDialog& dialog, int id) { lenvari::Click(Control<QAbstractButton>(dialog, id)); }

// Chooses the item of a list by its text, as the examiner would from the drop-down.
void Choose(QDialog& dialog, int id, const char* item) {
  QComboBox* list = Control<QComboBox>(dialog, id);
  const int index = list->findText(item);
  ASSERT_GE(index, 0) << item;
  list->setCurrentIndex(index);
}

QString Chosen(QDialog& dialog, int id) { return Control<QComboBox>(dialog, id)->currentText(); }
bool Checked(QDialog& dialog, int id) { return Control<QAbstractButton>(dialog, id)->isChecked(); }
void TypeDistance(QDialog& dialog, const char* text) {
  Retype(Control<QLineEdit>(dialog, kDistanceEditId), text);
}

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
    // Status bar 0 means the status line is shown; decimal notation has no numerator to show;
    // the program's own boxes cannot be ticked when the caller passes no option for them.
    for (int id : {kStatusBarId, kThreeDotId, kFusionOffId, kDecimalId, kFeetId}) EXPECT_TRUE(Checked(d, id)) << id;
    for (int id : {kShowNumeratorId, kThumbnailId, kAlwaysOnTopId, kLuminanceContrastId, kPhoneRemoteId})
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
    // The Virtual Remote box alone is no change: Escape closes at once, without a question, and
    // keeps nothing.
    Click(d, kVirtualRemoteId);
    auto asked = ExpectMessage([](QMessageBox& box) { box.reject(); });
    QTest::keyClick(&d, Qt::Key_Escape);
    EXPECT_FALSE(*asked);
  });
  EXPECT_EQ(result, 0);
  EXPECT_TRUE(args == before);
}

// Every edit is written back in its stored form, and on the way the controls follow their
// switches.
TEST(ConfigurationDialog, SaveWritesBackEveryEditWithTheStoredForms) {
  ConfigurationArguments args;
  args.MyRed = 0xFF00FF;  // a hand-edited magenta: Save rebuilds it as a red
  args.LabelColor[2] = "Purple";
  args.Mirror[3] = 7;  // beyond the monitors attached: never written
  const int result = args.Run([](QDialog& d) {
    QCheckBox* numerator = Control<QCheckBox>(d, kShowNumeratorId);
    Click(d, kDecimalId);
    EXPECT_FALSE(numerator->isEnabled());
    Click(d, kSixMetersId);
    EXPECT_TRUE(numerator->isEnabled());
    for (int id : {kMirroredRoomId, kShowNumeratorId, kStatusBarId, kMonitorWindowId}) Click(d, id);
    EXPECT_TRUE(Control<QCheckBox>(d, kAlwaysOnTopId)->isEnabled());
    Click(d, kMonitorWindowId);
    EXPECT_FALSE(Control<QCheckBox>(d, kThumbnailId)->isEnabled());
    Click(d, kMonitorWindowId);
    EXPECT_TRUE(Control<QCheckBox>(d, kThumbnailId)->isEnabled());
    for (int id : {kThumbnailId, kAlwaysOnTopId, kSmoothingId, kThreeDotId, kFusionOffId, kAudioAlertId}) Click(d, id);
    for (const auto& [id, item] : {std::pair{kLabelSizeListId, "None"}, {kLabelColorListId, "Yellow"},
                                   {kMaxRowsListId, "7"}, {kAstigmatismListId, "Dial No Labels"},
                                   {kJccListId, "20/15"}, {kContrastListId, "3%"}, {kWorthSizeListId, "20/60"},
                                   {kTimerDelayListId, "5.0 sec"}})
      Choose(d, id, item);
    Control<QSlider>(d, kRedBarId)->setValue(128);
    Control<QSlider>(d, kBackgroundBarId)->setValue(30);
    EXPECT_EQ(SwatchColour(d, kBackgroundSwatchId), QColor(30, 30, 30));
    // The glasses choice relabels the middle bar and brings back that colour's intensity.
    Control<QSlider>(d, kMiddleBarId)->setValue(100);
    EXPECT_EQ(SwatchColour(d, kOtherSwatchId), QColor(0, 100, 0));
    Click(d, kRedBlueId);
    EXPECT_EQ(Tie(Control<QLabel>(d, kMiddleBarLabelId)->text(), Control<QSlider>(d, kMiddleBarId)->value(),
                  SwatchColour(d, kOtherSwatchId)),
              Tie("*Blue", 255, QColor(0, 0, 255)));
    Control<QSlider>(d, kMiddleBarId)->setValue(77);
    Click(d, kRedGreenId);
    EXPECT_EQ(Control<QSlider>(d, kMiddleBarId)->value(), 100);
    Click(d, kRedBlueId);
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
  // Each glasses colour keeps its own intensity, saved as a pure colour.
  EXPECT_EQ(std::tuple(a.RedGreenOrRedBlue, a.MyRed, a.MyGreen, a.MyBlue, a.MyBlack),
            std::tuple("RedBlue", 128, 100 << 8, 77 << 16, 0x1E1E1E));
  // The other monitor and the entries beyond the monitors attached keep what they had.
  EXPECT_EQ(std::tuple(a.Mirror[2], a.LabelColor[2], a.Mirror[3]), std::tuple(1, "Purple", 7));
}

// Each monitor shows its own values and keeps the edits made for it while another is shown; the
// last one chosen is returned. A unit word typed after the number selects that unit; a distance
// keeps its unit, and a unit its number.
TEST(ConfigurationDialog, EachMonitorIsEditedApartAndTheDistanceKeepsItsUnit) {
  ConfigurationArguments args;
  args.TestDistance[2] = "4 Meters", args.LabelSize[2] = 50;  // any letter case is meters
  const int result = args.Run([](QDialog& d) {
    TypeDistance(d, "6 meters");  // while Feet is selected
    EXPECT_EQ(Tie(Checked(d, kMetersId), Control<QLabel>(d, kSizeValueId)->text()),
              Tie(true, Cm(6, true)));
    Click(d, kFeetId);  // the unit word goes, the number stays
    EXPECT_EQ(Control<QLineEdit>(d, kDistanceEditId)->text(), "6");
    Click(d, kMetersId);
    TypeDistance(d, "20 FT");
    EXPECT_TRUE(Checked(d, kFeetId));
    TypeDistance(d, "12,50");
    Click(d, kMetersId);
    EXPECT_EQ(Control<QLabel>(d, kSizeValueId)->text(), Cm(12.5, true));
    Click(d, kFeetId);
    EXPECT_EQ(Control<QLabel>(d, kSizeValueId)->text(), Cm(12.5));
    Choose(d, kLabelSizeListId, "20/20");
    Choose(d, kPatientMonitorListId, "2");
    EXPECT_EQ(Tie(Chosen(d, kLabelSizeListId), Control<QLineEdit>(d, kDistanceEditId)->text(),
                  Checked(d, kMetersId)),
              Tie("20/50", "4", true));
    Click(d, kMirroredRoomId);
    Choose(d, kPatientMonitorListId, "1");
    EXPECT_EQ(Tie(Chosen(d, kLabelSizeListId), Checked(d, kDirectViewId)), Tie("20/20", true));
    Choose(d, kPatientMonitorListId, "2");
    Click(d, kSaveId);
  });
  EXPECT_EQ(Tie(result, args.CurrentMonitor), Tie(0, 2));
  EXPECT_EQ(std::tuple(args.LabelSize[1], args.TestDistance[1], args.Mirror[1]),
            std::tuple(20.0f, "12.5 feet", 1));
  EXPECT_EQ(std::tuple(args.LabelSize[2], args.TestDistance[2], args.Mirror[2]),
            std::tuple(50.0f, "4 Meters", -1));

  // Switching the unit alone keeps the number and its blank.
  args.CurrentMonitor = 1, args.TestDistance[1] = " 10 feet";
  args.Run([](QDialog& d) {
    Click(d, kMetersId);
    EXPECT_EQ(Control<QLabel>(d, kSizeValueId)->text(), "14.54");
    Click(d, kSaveId);
  });
  EXPECT_EQ(args.TestDistance[1], " 10 meters");
}

// What is no distance, or one the calibration would refuse, is refused with the range message
// and never saved as the number it begins with; the dialog stays open on the monitor whose
// distance it refused, showing it as typed.
TEST(ConfigurationDialog, ADistanceTheCalibrationWouldRefuseKeepsTheDialogOpen) {
  ConfigurationArguments args;
  args.CurrentMonitor = 2;
  std::shared_ptr<bool> refusedOnCalibrate;
  const int result = args.Run([&](QDialog& d) {
    Choose(d, kPatientMonitorListId, "1");
    for (const char* typed : {"12abc", "6 miles", "", "3,5,1", "m", "50"}) {
      TypeDistance(d, "6 m");
      TypeDistance(d, typed);  // 50 meters: beyond 12
      Choose(d, kPatientMonitorListId, "2");
      const std::shared_ptr<bool> refusedOnSave = ExpectRangeMessage(d);
      Click(d, kSaveId);
      EXPECT_TRUE(*refusedOnSave) << typed;
      EXPECT_EQ(Tie(Chosen(d, kPatientMonitorListId),
                    Control<QLineEdit>(d, kDistanceEditId)->text()),
                Tie("1", typed));
    }
    TypeDistance(d, "0.2");
    refusedOnCalibrate = ExpectRangeMessage(d);
    Click(d, kCalibrateId);
    TypeDistance(d, "3.5");
    Click(d, kCalibrateId);
  });
  EXPECT_TRUE(*refusedOnCalibrate);
  EXPECT_EQ(result, 1);  // Calibrate
  EXPECT_EQ(Tie(args.TestDistance[1], args.CurrentMonitor), Tie("3.5 meters", 1));
}

TEST(ConfigurationDialog, CancelAsksOnlyWhenASettingChanged) {
  ConfigurationArguments args;
  const ConfigurationArguments before = args;
  // (Without a change it closes at once: the opening test.) After a change the question comes;
  // its Cancel keeps the dialog, its OK discards.
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
    for (const bool choose : {false, true}) {
      WhenModal([&](QDialog& box) {
        auto* chooser = qobject_cast<QFileDialog*>(&box);
        ASSERT_NE(chooser, nullptr);
        EXPECT_EQ(Tie(chooser->windowTitle(), chooser->directory().absolutePath().toStdString(),
                      chooser->fileMode()),
                  Tie("Lenvari Acuity - Select Video File", folder, QFileDialog::ExistingFile));
        EXPECT_TRUE(chooser->selectedNameFilter().startsWith(
            "Video Files (*.MP4, *.MOV, *.WMV, *.MPG, *.AVI)"));
        if (choose) chooser->selectFile(QString::fromStdString(clip));
        choose ? box.accept() : box.reject();
      });
      Click(d, kSelectVideoId);
      EXPECT_EQ(Control<QLineEdit>(d, kVideoPathId)->text().toStdString(),
                choose ? clip : folder + "/old.MP4");
    }
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
// Save only. (A caller that passes no option sees the box but cannot tick it: the opening test.)
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
  }
}

}  // namespace
}  // namespace lenvari
