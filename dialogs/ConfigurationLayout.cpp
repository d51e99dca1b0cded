#include "dialogs/ConfigurationLayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/ConfigurationValues.h"

namespace lenvari {

QWidget* AddLabelled(DialogBuilder& builder, int labelId, const std::string& caption,
                     Box labelBox, const FontSpec& labelFont, int controlId, ControlKind kind,
                     Box controlBox, const FontSpec& controlFont) {
  auto* label = Add<QLabel>(builder, labelId, ControlKind::Label, caption, labelBox, labelFont);
  label->setWordWrap(false);
  QWidget* control = AddControl(builder, {controlId, kind, "", controlBox.x, controlBox.y,
                                          controlBox.width, controlBox.height, controlFont});
  label->setBuddy(control);
  control->setAccessibleName(QString::fromStdString(caption));
  return control;
}

QComboBox* AddList(DialogBuilder& builder, int labelId, const std::string& caption,
                   Box labelBox, int listId, Box listBox, const std::vector<std::string>& items) {
  auto* list = static_cast<QComboBox*>(AddLabelled(builder, labelId, caption, labelBox,
                                                   kDefaultFont, listId, ControlKind::DropDownList,
                                                   listBox, kDefaultFont));
  for (const std::string& item : items) list->addItem(QString::fromStdString(item));
  list->setMaxVisibleItems(10);
  return list;
}

QPushButton* AddHelpButton(DialogBuilder& builder, int topic, int x, int y) {
  return Add<QPushButton>(builder, kFirstHelpId + topic, ControlKind::PushButton, "?",
                          {x, y, 12, 12}, kSansSerifFont);
}

void AddExamRoomGroup(DialogBuilder& builder, ConfigurationControls& c, int monitors) {
  Add<QGroupBox>(builder, kExamRoomFrameId, ControlKind::GroupFrame,
                 "Exam Room Configuration    ", {6, 4, 150, 80}, kDefaultFont);
  c.help[0] = AddHelpButton(builder, 0, 140, 17);
  c.directView = Add<QRadioButton>(builder, kDirectViewId, ControlKind::RadioButton,
                                   "Direct View (normal letters)", {14, 18, 124, 13}, kArialFont,
                                   true);
  c.mirroredRoom = Add<QRadioButton>(builder, kMirroredRoomId, ControlKind::RadioButton,
                                     "Mirrored Room (reversed)", {14, 33, 124, 13}, kArialFont);
  c.monitorList = AddList(builder, kPatientMonitorLabelId, "Patient Monitor:", {14, 59, 80, 12},
                          kPatientMonitorListId, {96, 56, 40, 15}, NumberItems(monitors));
}

void AddAcuityNotationGroup(DialogBuilder& builder, ConfigurationControls& c) {
  Add<QGroupBox>(builder, kAcuityFrameId, ControlKind::GroupFrame, "*Acuity Notation     ",
                 {162, 4, 160, 68}, kDefaultFont);
  c.help[1] = AddHelpButton(builder, 1, 306, 17);
  c.twentyFeet = Add<QRadioButton>(builder, kTwentyFeetId, ControlKind::RadioButton, "20 Feet",
                                   {170, 18, 66, 13}, kDefaultFont, true);
  c.sixMeters = Add<QRadioButton>(builder, kSixMetersId, ControlKind::RadioButton, "6 Meters",
                                  {170, 34, 66, 13}, kDefaultFont);
  c.decimal = Add<QRadioButton>(builder, kDecimalId, ControlKind::RadioButton, "Decimal",
                                {170, 50, 66, 13}, kDefaultFont);
  c.showNumerator = Add<QCheckBox>(builder, kShowNumeratorId, ControlKind::CheckBox,
                                   "Show Numerator", {238, 34, 80, 13}, kDefaultFont);
}

void AddDisplayOptionsGroup(DialogBuilder& builder, ConfigurationControls& c) {
  Add<QGroupBox>(builder, kDisplayFrameId, ControlKind::GroupFrame, "Display Options   ",
                 {162, 78, 160, 138}, kDefaultFont);
  c.help[2] = AddHelpButton(builder, 2, 306, 91);
  c.labelSizeList = AddList(builder, kLabelSizeLabelId, "Label Size:", {170, 94, 84, 12},
                            kLabelSizeListId, {256, 91, 46, 15}, kLabelSizeItems);
  c.labelColorList = AddList(builder, kLabelColorLabelId, "Label Color:", {170, 111, 84, 12},
                             kLabelColorListId, {256, 108, 46, 15}, kLabelColorItems);
  c.maxRowsList = AddList(builder, kMaxRowsLabelId, "Max Rows Displayed:", {170, 128, 84, 12},
                          kMaxRowsListId, {256, 125, 46, 15}, NumberItems(10));
  c.statusBar = Add<QCheckBox>(builder, kStatusBarId, ControlKind::CheckBox, "Status Bar",
                               {170, 143, 80, 13}, kDefaultFont);
  c.matchGamma = Add<QPushButton>(builder, kMatchGammaId, ControlKind::PushButton, "Match Gamma",
                                  {256, 142, 62, 14}, kDefaultFont);
  c.monitorWindow = Add<QCheckBox>(builder, kMonitorWindowId, ControlKind::CheckBox,
                                   "Show Monitor Window", {170, 157, 140, 13}, kDefaultFont);
  c.thumbnail = Add<QCheckBox>(builder, kThumbnailId, ControlKind::CheckBox, "Include Thumbnail",
                               {180, 171, 78, 13}, kArialFont);
  c.alwaysOnTop = Add<QCheckBox>(builder, kAlwaysOnTopId, ControlKind::CheckBox, "Always On Top",
                                 {260, 171, 58, 13}, kNarrowFont);
  c.smoothing = Add<QCheckBox>(builder, kSmoothingId, ControlKind::CheckBox,
                               "*Enable Smoothing (anti-aliasing)", {170, 185, 148, 13},
                               kArialFont);
  c.luminanceContrast = Add<QCheckBox>(builder, kLuminanceContrastId, ControlKind::CheckBox,
                                       "*Luminance-True Contrast", {170, 199, 148, 13},
                                       kArialFont);
}

void AddCalibrationGroup(DialogBuilder& builder, ConfigurationControls& c) {
  Add<QGroupBox>(builder, kCalibrationFrameId, ControlKind::GroupFrame, "Calibration    ",
                 {6, 90, 150, 118}, kDefaultFont);
  c.help[3] = AddHelpButton(builder, 3, 140, 103);
  c.distanceEdit = static_cast<QLineEdit*>(
      AddLabelled(builder, kDistanceLabelId, "Optical Test Distance", {14, 106, 120, 12},
                  kDefaultFont, kDistanceEditId, ControlKind::EditBox, {14, 124, 50, 18},
                  kDistanceFont));
  c.feetRadio = Add<QRadioButton>(builder, kFeetId, ControlKind::RadioButton, "Feet",
                                  {72, 121, 62, 12}, kDefaultFont, true);
  c.metersRadio = Add<QRadioButton>(builder, kMetersId, ControlKind::RadioButton, "Meters",
                                    {72, 135, 62, 12}, kDefaultFont);
  Add<QLabel>(builder, kSizeCaptionId, ControlKind::Label, "20/200 size:", {14, 158, 62, 12},
              kDefaultFont);
  c.sizeValue = Add<QLabel>(builder, kSizeValueId, ControlKind::Label, "", {78, 158, 36, 12},
                            kDefaultFont);
  Add<QLabel>(builder, kSizeUnitId, ControlKind::Label, "cm", {116, 158, 20, 12}, kDefaultFont);
  c.calibrate = Add<QPushButton>(builder, kCalibrateId, ControlKind::PushButton, "Calibrate",
                                 {14, 180, 70, 18}, kDefaultFont);
}

ConfigurationControls BuildConfigurationDialog(DialogBuilder& builder, int monitors) {
  ConfigurationControls c;
  AddExamRoomGroup(builder, c, monitors);
  AddAcuityNotationGroup(builder, c);
  AddDisplayOptionsGroup(builder, c);
  AddCalibrationGroup(builder, c);
  AddSpecialTestGroup(builder, c);
  AddAudioVideoGroup(builder, c);
  AddColourCalibrationGroup(builder, c);
  AddClosingControls(builder, c);
  return c;
}

}  // namespace lenvari
