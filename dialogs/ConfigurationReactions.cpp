#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include "dialogs/CalibrationDistance.h"
#include "dialogs/ConfigurationSession.h"
#include "dialogs/LenvariDLL.h"

namespace lenvari {
namespace {

// Runs `store` for an edit by the examiner (not while the controls are being filled) and marks
// the working copy as changed.
template <class Store>
auto Edit(ConfigurationSession& s, Store store) {
  return [&s, store](auto... arguments) {
    if (s.loading) return;
    store(arguments...);
    s.work.changed = true;
  };
}

// A radio button's value is stored when it becomes the checked one.
template <class Store>
void OnChecked(ConfigurationSession& s, QRadioButton* radio, Store store) {
  QObject::connect(radio, &QRadioButton::toggled, s.dialog, Edit(s, [store](bool on) {
                     if (on) store();
                   }));
}

template <class Store>
void OnToggled(ConfigurationSession& s, QCheckBox* box, Store store) {
  QObject::connect(box, &QCheckBox::toggled, s.dialog, Edit(s, store));
}

// A list stores the text of the item chosen.
template <class Store>
void OnChosen(ConfigurationSession& s, QComboBox* list, Store store) {
  QObject::connect(list, &QComboBox::currentIndexChanged, s.dialog, Edit(s, [list, store](int i) {
                     if (i >= 0) store(list->itemText(i).toStdString());
                   }));
}

template <class Store>
void OnMoved(ConfigurationSession& s, QSlider* bar, Store store) {
  QObject::connect(bar, &QSlider::valueChanged, s.dialog, Edit(s, [&s, store](int value) {
                     store(value);
                     PaintSwatches(s);
                   }));
}

void ConnectExamRoomAndNotation(ConfigurationSession& s) {
  ConfigurationValues& v = s.work.values;
  ConfigurationControls& c = s.c;
  OnChecked(s, c.directView, [&] { v.Mirror.at(s.Monitor()) = 1; });
  OnChecked(s, c.mirroredRoom, [&] { v.Mirror.at(s.Monitor()) = -1; });
  OnChosen(s, c.monitorList, [&](const std::string& item) {
    v.CurrentMonitor = static_cast<int>(NumberOfItem(item));
    s.loading = true;
    ShowMonitorSettings(s);
    s.loading = false;
  });
  const auto notation = [&](int base) {
    v.AcuityBase = base;
    c.showNumerator->setEnabled(base != 1);
  };
  OnChecked(s, c.twentyFeet, [=] { notation(20); });
  OnChecked(s, c.sixMeters, [=] { notation(6); });
  OnChecked(s, c.decimal, [=] { notation(1); });
  OnToggled(s, c.showNumerator, [&](bool on) { v.ShowTestDistance.at(s.Monitor()) = on ? 1 : 0; });
}

void ConnectDisplayOptions(ConfigurationSession& s) {
  ConfigurationValues& v = s.work.values;
  ConfigurationControls& c = s.c;
  OnChosen(s, c.labelSizeList, [&](const std::string& item) {
    v.LabelSize.at(s.Monitor()) = static_cast<float>(SizeOfItem(item));
  });
  OnChosen(s, c.labelColorList,
           [&](const std::string& item) { v.LabelColor.at(s.Monitor()) = item; });
  OnChosen(s, c.maxRowsList, [&](const std::string& item) {
    v.MaxVShutter.at(s.Monitor()) = static_cast<int>(NumberOfItem(item));
  });
  OnToggled(s, c.statusBar, [&](bool on) { v.StatusBar.at(s.Monitor()) = on ? 0 : 1; });
  OnToggled(s, c.monitorWindow, [&](bool on) {
    v.MonitorWindowFlag = on ? 1 : 0;
    c.thumbnail->setEnabled(on);
    c.alwaysOnTop->setEnabled(on);
  });
  OnToggled(s, c.thumbnail, [&](bool on) { v.ThumbnailFlag = on ? 1 : 0; });
  OnToggled(s, c.alwaysOnTop, [&](bool on) { v.AlwaysOnTopFlag = on ? 1 : 0; });
  OnToggled(s, c.smoothing, [&](bool on) { v.SmoothingFlag = on ? 1 : 0; });
  OnToggled(s, c.luminanceContrast, [&](bool on) { v.LuminanceContrast = on ? 1 : 0; });
  OnToggled(s, c.phoneRemote, [&](bool on) { v.PhoneRemote = on ? 1 : 0; });
}

void ConnectCalibration(ConfigurationSession& s) {
  ConfigurationValues& v = s.work.values;
  ConfigurationControls& c = s.c;
  // What is no distance is kept aside, never saved as the number it begins with; a unit word
  // typed after the number selects that unit.
  QObject::connect(c.distanceEdit, &QLineEdit::textChanged, s.dialog,
                   Edit(s, [&](const QString& text) {
                     const int m = s.Monitor();
                     const auto typed = TypedDistance(text.toStdString(), c.feetRadio->isChecked());
                     if (!typed) {
                       s.work.unreadableDistance.at(m) = text.toStdString();
                       return;
                     }
                     s.work.unreadableDistance.at(m).reset();
                     v.TestDistance.at(m) = *typed;
                     const bool feet = DistanceInFeet(*typed);
                     if (feet != c.feetRadio->isChecked()) {
                       s.loading = true;
                       (feet ? c.feetRadio : c.metersRadio)->setChecked(true);
                       s.loading = false;
                     }
                     ShowTwentyTwoHundredSize(s);
                   }));
  const auto unit = [&](bool feet) {
    std::string& distance = v.TestDistance.at(s.Monitor());
    distance = DistanceWithUnit(distance, feet);
    // A unit word left in the box would contradict the unit chosen: the number stays alone.
    const auto typed = ReadTypedDistance(c.distanceEdit->text().toStdString());
    if (typed && !typed->unit.empty())
      c.distanceEdit->setText(QString::fromStdString(DistanceNumberText(typed->value)));
    ShowTwentyTwoHundredSize(s);
  };
  OnChecked(s, c.feetRadio, [=] { unit(true); });
  OnChecked(s, c.metersRadio, [=] { unit(false); });
}

void ConnectSpecialTests(ConfigurationSession& s) {
  ConfigurationValues& v = s.work.values;
  ConfigurationControls& c = s.c;
  OnChosen(s, c.astigmatismList,
           [&](const std::string& item) { v.AstigMode = RemoveBlanks(item); });
  OnChosen(s, c.jccList, [&](const std::string& item) {
    v.JacksonCrossTargetSize.at(s.Monitor()) = static_cast<int>(SizeOfItem(item));
  });
  OnChosen(s, c.contrastList, [&](const std::string& item) {
    v.AccessibleContrast.at(s.Monitor()) = static_cast<int>(NumberOfItem(item));
  });
  OnChosen(s, c.worthSizeList, [&](const std::string& item) {
    v.WorthDotSize.at(s.Monitor()) = static_cast<int>(SizeOfItem(item));
  });
  OnChecked(s, c.threeDot, [&] { v.WorthDotMode.at(s.Monitor()) = 3; });
  OnChecked(s, c.fourDot, [&] { v.WorthDotMode.at(s.Monitor()) = 4; });
  OnChecked(s, c.fusionOn, [&] { v.FixDispFusionLock.at(s.Monitor()) = 1; });
  OnChecked(s, c.fusionOff, [&] { v.FixDispFusionLock.at(s.Monitor()) = 0; });
  OnChosen(s, c.timerDelayList, [&](const std::string& item) {
    v.TimerDelay = static_cast<float>(NumberOfItem(item));
  });
}

void ConnectAudioVideo(ConfigurationSession& s) {
  ConfigurationValues& v = s.work.values;
  ConfigurationControls& c = s.c;
  OnToggled(s, c.audioAlert, [&](bool on) { v.AudioAlert = on ? 1 : 0; });
  QObject::connect(c.selectVideo, &QPushButton::clicked, s.dialog, [&] {
    std::string folder, name;
    SplitVideoPath(v.SelectedVideo, folder, name);
    const std::string chosen = SELECTVIDEOFILE(0, folder, name);
    if (chosen.empty()) return;
    v.SelectedVideo = chosen;
    c.videoPath->setText(QString::fromStdString(VideoBoxText(chosen)));
    s.work.changed = true;
  });
}

void ConnectColourCalibration(ConfigurationSession& s) {
  ConfigurationWork& w = s.work;
  ConfigurationControls& c = s.c;
  OnMoved(s, c.redBar, [&](int value) { w.red = value; });
  OnMoved(s, c.middleBar, [&](int value) {
    (w.values.RedGreenOrRedBlue == "RedBlue" ? w.blue : w.green) = value;
  });
  OnMoved(s, c.backgroundBar, [&](int value) { w.background = value; });
  const auto glasses = [&](const char* choice) {
    w.values.RedGreenOrRedBlue = RemoveSlashes(choice);
    ShowGlassesColour(s);
  };
  OnChecked(s, c.redGreen, [=] { glasses("Red/Green"); });
  OnChecked(s, c.redBlue, [=] { glasses("Red/Blue"); });
  // The remote is the examiner's tool rather than a setting of the room: switching it alone
  // is no change worth asking about.
  QObject::connect(c.virtualRemote, &QCheckBox::toggled, s.dialog, [&](bool on) {
    if (!s.loading) w.values.ShowVirtualRemote = on ? 1 : 0;
  });
}

// A distance the calibration would refuse does not reach the settings: the dialog shows the
// monitor whose distance it is, with the calibration's range message. True when all are fine.
bool DistancesAcceptable(ConfigurationSession& s, bool calibrating) {
  const int m = FirstUncalibratableMonitor(s.work, calibrating);
  if (m == 0) return true;
  if (m != s.Monitor()) s.c.monitorList->setCurrentIndex(m - 1);
  s.c.distanceEdit->setFocus();
  s.c.distanceEdit->selectAll();
  ShowDialogMessage(s.dialog, " ", kDistanceRangeMessage);
  return false;
}

bool ConfirmDiscard(ConfigurationSession& s) {
  if (!s.work.changed) return true;
  QMessageBox box(QMessageBox::NoIcon, " ", "Discard all configuration changes?",
                  QMessageBox::Ok | QMessageBox::Cancel, s.dialog);
  box.setDefaultButton(QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.setWindowFlag(Qt::WindowStaysOnTopHint);
  return box.exec() == QMessageBox::Ok;
}

void ConnectClosing(ConfigurationSession& s) {
  ConfigurationControls& c = s.c;
  const auto end = [&](ConfigurationEnd how) {
    if (!DistancesAcceptable(s, how == ConfigurationEnd::Calibrate)) return;
    s.work.save = true;
    s.work.end = how;
    s.dialog->accept();
  };
  QObject::connect(c.save, &QPushButton::clicked, s.dialog, [=] { end(ConfigurationEnd::Save); });
  QObject::connect(c.calibrate, &QPushButton::clicked, s.dialog, [=] { end(ConfigurationEnd::Calibrate); });
  QObject::connect(c.matchGamma, &QPushButton::clicked, s.dialog, [=] { end(ConfigurationEnd::MatchGamma); });
  QObject::connect(c.cancel, &QPushButton::clicked, s.dialog, &QDialog::reject);
  SetCancelCheck(*s.dialog, [&] { return ConfirmDiscard(s); });
  for (int topic = 0; topic < kHelpTopics; ++topic) {
    QObject::connect(c.help[topic], &QPushButton::clicked, s.dialog,
                     [&s, topic] { ShowConfigurationHelp(s.dialog, topic); });
  }
}

}  // namespace

void ConnectReactions(ConfigurationSession& s) {
  ConnectExamRoomAndNotation(s);
  ConnectDisplayOptions(s);
  ConnectCalibration(s);
  ConnectSpecialTests(s);
  ConnectAudioVideo(s);
  ConnectColourCalibration(s);
  ConnectClosing(s);
}

}  // namespace lenvari
