#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>
#include <QSlider>

#include "dialogs/ConfigurationSession.h"

namespace lenvari {
namespace {

// Checks each radio button of a pair as asked; neither is checked for a value that matches
// neither choice.
void CheckPair(QRadioButton* first, bool firstOn, QRadioButton* second, bool secondOn) {
  QButtonGroup* group = first->group();
  if (group) group->setExclusive(false);
  first->setChecked(firstOn);
  second->setChecked(secondOn);
  if (group) group->setExclusive(true);
}

void Fill(QFrame* swatch, int red, int green, int blue) {
  QPalette palette = swatch->palette();
  palette.setColor(QPalette::Window, QColor(red, green, blue));
  swatch->setPalette(palette);
  swatch->update();
}

bool BlueGlasses(const ConfigurationWork& work) {
  return work.values.RedGreenOrRedBlue == "RedBlue";
}

}  // namespace

void ShowTwentyTwoHundredSize(ConfigurationSession& s) {
  s.c.sizeValue->setText(
      QString::fromStdString(TwentyTwoHundredText(s.work.values.TestDistance.at(s.Monitor()))));
}

void ShowMonitorSettings(ConfigurationSession& s) {
  const ConfigurationValues& v = s.work.values;
  const ConfigurationControls& c = s.c;
  const int m = s.Monitor();
  CheckPair(c.directView, v.Mirror.at(m) == 1, c.mirroredRoom, v.Mirror.at(m) != 1);
  c.monitorList->setCurrentIndex(NumberItem(m, v.NumberOfMonitors));
  c.showNumerator->setChecked(v.ShowTestDistance.at(m) == 1);
  c.labelSizeList->setCurrentIndex(LabelSizeItem(v.LabelSize.at(m)));
  c.labelColorList->setCurrentIndex(TextItem(kLabelColorItems, v.LabelColor.at(m)));
  c.maxRowsList->setCurrentIndex(NumberItem(v.MaxVShutter.at(m), 10));
  c.statusBar->setChecked(v.StatusBar.at(m) == 0);
  const std::string& distance = v.TestDistance.at(m);
  const std::optional<std::string>& unreadable = s.work.unreadableDistance.at(m);
  c.distanceEdit->setText(QString::fromStdString(unreadable ? *unreadable : DistanceBoxText(distance)));
  CheckPair(c.feetRadio, DistanceInFeet(distance), c.metersRadio, !DistanceInFeet(distance));
  ShowTwentyTwoHundredSize(s);
  c.jccList->setCurrentIndex(TargetSizeItem(v.JacksonCrossTargetSize.at(m)));
  c.contrastList->setCurrentIndex(ContrastItem(v.AccessibleContrast.at(m)));
  c.worthSizeList->setCurrentIndex(TargetSizeItem(v.WorthDotSize.at(m)));
  CheckPair(c.threeDot, v.WorthDotMode.at(m) == 3, c.fourDot, v.WorthDotMode.at(m) == 4);
  CheckPair(c.fusionOn, v.FixDispFusionLock.at(m) == 1, c.fusionOff,
            v.FixDispFusionLock.at(m) == 0);
}

void ShowAllSettings(ConfigurationSession& s) {
  const ConfigurationValues& v = s.work.values;
  const ConfigurationControls& c = s.c;
  s.loading = true;
  ShowMonitorSettings(s);
  const int base = v.AcuityBase;
  c.twentyFeet->setChecked(base == 20);
  c.sixMeters->setChecked(base == 6);
  c.decimal->setChecked(base != 20 && base != 6);
  c.showNumerator->setEnabled(base == 20 || base == 6);
  c.monitorWindow->setChecked(v.MonitorWindowFlag != 0);
  c.thumbnail->setChecked(v.ThumbnailFlag != 0);
  c.alwaysOnTop->setChecked(v.AlwaysOnTopFlag != 0);
  c.thumbnail->setEnabled(v.MonitorWindowFlag != 0);
  c.alwaysOnTop->setEnabled(v.MonitorWindowFlag != 0);
  c.smoothing->setChecked(v.SmoothingFlag != 0);
  c.luminanceContrast->setChecked(v.LuminanceContrast == 1);
  c.luminanceContrast->setEnabled(v.LuminanceContrast >= 0);
  c.astigmatismList->setCurrentIndex(
      TextItem(kAstigmatismItems, AstigmatismItemText(v.AstigMode)));
  c.timerDelayList->setCurrentIndex(TimerDelayItem(v.TimerDelay));
  c.audioAlert->setChecked(v.AudioAlert != 0);
  c.videoPath->setText(QString::fromStdString(VideoBoxText(v.SelectedVideo)));
  CheckPair(c.redGreen, v.RedGreenOrRedBlue == "RedGreen", c.redBlue,
            v.RedGreenOrRedBlue == "RedBlue");
  c.redBar->setValue(s.work.red);
  c.backgroundBar->setValue(s.work.background);
  ShowGlassesColour(s);
  c.virtualRemote->setChecked(v.ShowVirtualRemote != 0);
  c.phoneRemote->setChecked(v.PhoneRemote == 1);
  c.phoneRemote->setEnabled(v.PhoneRemote >= 0);
  s.loading = false;
}

void ShowGlassesColour(ConfigurationSession& s) {
  const bool blue = BlueGlasses(s.work);
  const bool wasLoading = s.loading;
  s.loading = true;
  s.c.middleBarLabel->setText(blue ? "*Blue" : "*Green");
  s.c.middleBar->setAccessibleName(s.c.middleBarLabel->text());
  s.c.middleBar->setValue(blue ? s.work.blue : s.work.green);
  s.loading = wasLoading;
  PaintSwatches(s);
}

void PaintSwatches(ConfigurationSession& s) {
  const ConfigurationWork& w = s.work;
  Fill(s.c.backgroundSwatch, w.background, w.background, w.background);
  Fill(s.c.redSwatch, w.red, 0, 0);
  if (BlueGlasses(w)) {
    Fill(s.c.otherSwatch, 0, 0, w.blue);
  } else {
    Fill(s.c.otherSwatch, 0, w.green, 0);
  }
}

}  // namespace lenvari
