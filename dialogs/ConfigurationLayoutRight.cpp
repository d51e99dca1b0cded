// The right-hand and bottom groups of the configuration dialog.

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include "dialogs/ConfigurationLayout.h"
#include "dialogs/ConfigurationValues.h"

namespace lenvari {
namespace {

// One row of the Special Test Defaults group: its caption on the left, the control on the
// right and the row's own help button at the end.
constexpr int kRowLabelX = 336, kRowLabelWidth = 126, kRowControlX = 464, kRowControlWidth = 94;
constexpr int kRowHelpX = 563;

int RowTop(int row) { return 17 + row * 18; }

QComboBox* AddRowList(DialogBuilder& builder, int row, int labelId, const std::string& caption,
                      int listId, const std::vector<std::string>& items) {
  const int y = RowTop(row);
  return AddList(builder, labelId, caption, {kRowLabelX, y + 3, kRowLabelWidth, 12}, listId,
                 {kRowControlX, y, kRowControlWidth, 15}, items);
}

// A row whose control is a pair of radio buttons.
void AddRowPair(DialogBuilder& builder, int row, int labelId, const std::string& caption,
                int firstId, const std::string& first, int secondId, const std::string& second,
                QRadioButton*& firstRadio, QRadioButton*& secondRadio) {
  const int y = RowTop(row);
  Add<QLabel>(builder, labelId, ControlKind::Label, caption,
              {kRowLabelX, y + 3, kRowLabelWidth, 12}, kDefaultFont);
  firstRadio = Add<QRadioButton>(builder, firstId, ControlKind::RadioButton, first,
                                 {kRowControlX, y + 2, 44, 13}, kArialFont, true);
  secondRadio = Add<QRadioButton>(builder, secondId, ControlKind::RadioButton, second,
                                  {kRowControlX + 48, y + 2, 44, 13}, kArialFont);
}

QFrame* AddSwatch(DialogBuilder& builder, int id, Box box) {
  return Add<QFrame>(builder, id, ControlKind::ColourSwatch, "", box, kArialFont);
}

QSlider* AddBar(DialogBuilder& builder, int labelId, const std::string& caption, int barId,
                int y, QLabel** label = nullptr) {
  auto* bar = static_cast<QSlider*>(AddLabelled(builder, labelId, caption, {104, y + 3, 58, 12},
                                                kArialFont, barId, ControlKind::TrackBar,
                                                {164, y, 136, 16}, kArialFont));
  bar->setRange(0, 255);
  bar->setPageStep(16);
  if (label) *label = FindControl<QLabel>(*builder.dialog, labelId);
  return bar;
}

}  // namespace

void AddSpecialTestGroup(DialogBuilder& builder, ConfigurationControls& c) {
  Add<QGroupBox>(builder, kSpecialFrameId, ControlKind::GroupFrame, "Special Test Defaults  ",
                 {328, 4, 253, 146}, kDefaultFont);
  c.astigmatismList = AddRowList(builder, 0, kAstigmatismLabelId, "*Astigmatism Target",
                                 kAstigmatismListId, kAstigmatismItems);
  c.jccList = AddRowList(builder, 1, kJccLabelId, "JCC Target Size", kJccListId,
                         kTargetSizeItems);
  c.contrastList = AddRowList(builder, 2, kContrastLabelId, "Low Contrast Test Level",
                              kContrastListId, kContrastItems);
  c.worthSizeList = AddRowList(builder, 3, kWorthSizeLabelId, "Worth Dot Size", kWorthSizeListId,
                               kTargetSizeItems);
  AddRowPair(builder, 4, kWorthModeLabelId, "Worth Dot Mode", kThreeDotId, "3 Dot", kFourDotId,
             "4 Dot", c.threeDot, c.fourDot);
  AddRowPair(builder, 5, kFusionLockLabelId, "Fixation Disparity Fusion Lock", kFusionOnId, "On",
             kFusionOffId, "Off", c.fusionOn, c.fusionOff);
  c.timerDelayList = AddRowList(builder, 6, kTimerDelayLabelId, "*Timer Delay",
                                kTimerDelayListId, kTimerDelayItems);
  for (int row = 0; row < 7; ++row) c.help[4 + row] = AddHelpButton(builder, 4 + row, kRowHelpX,
                                                                    RowTop(row) + 2);
}

void AddAudioVideoGroup(DialogBuilder& builder, ConfigurationControls& c) {
  Add<QGroupBox>(builder, kAudioVideoFrameId, ControlKind::GroupFrame, "Audio / Video ",
                 {328, 156, 253, 82}, kArialFont);
  c.audioAlert = Add<QCheckBox>(builder, kAudioAlertId, ControlKind::CheckBox,
                                "*Audio Notification", {336, 170, 150, 13}, kDefaultFont);
  c.videoPath = static_cast<QLineEdit*>(
      AddLabelled(builder, kVideoLabelId, "*Selected  Video File:", {336, 188, 150, 12},
                  kArialFont, kVideoPathId, ControlKind::EditBox, {336, 202, 239, 13},
                  kSmallArialFont));
  c.videoPath->setReadOnly(true);
  c.selectVideo = Add<QPushButton>(builder, kSelectVideoId, ControlKind::PushButton,
                                   "Select Video", {336, 219, 70, 15}, kArialFont);
  c.help[11] = AddHelpButton(builder, 11, kRowHelpX, 170);
  c.help[12] = AddHelpButton(builder, 12, kRowHelpX, 187);
}

void AddColourCalibrationGroup(DialogBuilder& builder, ConfigurationControls& c) {
  Add<QGroupBox>(builder, kColourFrameId, ControlKind::GroupFrame, "*Color Calibration        ",
                 {6, 222, 316, 127}, kArialFont);
  // The red and the green-or-blue box lie on the background swatch, as the patient sees the
  // Worth dots on the chart's background.
  c.backgroundSwatch = AddSwatch(builder, kBackgroundSwatchId, {14, 240, 82, 70});
  c.redSwatch = AddSwatch(builder, kRedSwatchId, {22, 257, 30, 36});
  c.otherSwatch = AddSwatch(builder, kOtherSwatchId, {58, 257, 30, 36});
  c.redBar = AddBar(builder, kRedBarLabelId, "*Red", kRedBarId, 242);
  c.middleBar = AddBar(builder, kMiddleBarLabelId, "*Green", kMiddleBarId, 266,
                       &c.middleBarLabel);
  c.backgroundBar = AddBar(builder, kBackgroundBarLabelId, "*Background", kBackgroundBarId, 290);
  Add<QLabel>(builder, kGlassesLabelId, ControlKind::Label, "*Tranaglyph Glasses:",
              {104, 324, 100, 12}, kGlassesFont);
  c.redGreen = Add<QRadioButton>(builder, kRedGreenId, ControlKind::RadioButton, "Red/Green",
                                 {206, 323, 54, 13}, kGlassesFont, true);
  c.redBlue = Add<QRadioButton>(builder, kRedBlueId, ControlKind::RadioButton, "Red/Blue",
                                {262, 323, 54, 13}, kGlassesFont);
  c.help[13] = AddHelpButton(builder, 13, 306, 235);
}

void AddClosingControls(DialogBuilder& builder, ConfigurationControls& c) {
  c.virtualRemote = Add<QCheckBox>(builder, kVirtualRemoteId, ControlKind::CheckBox,
                                   "Virtual Remote", {336, 248, 70, 13}, kSansSerifFont);
  c.phoneRemote = Add<QCheckBox>(builder, kPhoneRemoteId, ControlKind::CheckBox,
                                 "*Phone Remote", {412, 248, 78, 13}, kSansSerifFont);
  c.help[14] = AddHelpButton(builder, 14, 492, 248);
  Add<QLabel>(builder, kGlobalNoteId, ControlKind::Label,
              "(* Asterisk indicates Global configuration parameters.  All other parameters are "
              "specific for the current Patient Monitor)",
              {336, 266, 240, 34}, kSmallArialFont);
  c.save = Add<QPushButton>(builder, kSaveId, ControlKind::DefaultPushButton, "Save",
                            {430, 326, 70, 18}, kDefaultFont);
  c.cancel = Add<QPushButton>(builder, kCancelId, ControlKind::PushButton, "Cancel",
                              {506, 326, 70, 18}, kDefaultFont);
}

}  // namespace lenvari
