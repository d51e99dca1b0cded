#pragma once
// The configuration dialog's controls: their identifiers and the widgets the reactions use.
// Identifiers ascend in the order the controls are made, group by group; the help buttons'
// identifiers ascend in the order of their help topics.

#include <array>

#include "dialogs/DialogFramework.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;

namespace lenvari {

enum ConfigurationControlId {
  // Exam Room Configuration
  kExamRoomFrameId = 1101,
  kDirectViewId,
  kMirroredRoomId,
  kPatientMonitorLabelId,
  kPatientMonitorListId,
  // Acuity Notation
  kAcuityFrameId,
  kTwentyFeetId,
  kSixMetersId,
  kDecimalId,
  kShowNumeratorId,
  // Display Options
  kDisplayFrameId,
  kLabelSizeLabelId,
  kLabelSizeListId,
  kLabelColorLabelId,
  kLabelColorListId,
  kMaxRowsLabelId,
  kMaxRowsListId,
  kStatusBarId,
  kMatchGammaId,
  kMonitorWindowId,
  kThumbnailId,
  kAlwaysOnTopId,
  kSmoothingId,
  kLuminanceContrastId,
  // Calibration
  kCalibrationFrameId,
  kDistanceLabelId,
  kDistanceEditId,
  kFeetId,
  kMetersId,
  kSizeCaptionId,
  kSizeValueId,
  kSizeUnitId,
  kCalibrateId,
  // Special Test Defaults
  kSpecialFrameId,
  kAstigmatismLabelId,
  kAstigmatismListId,
  kJccLabelId,
  kJccListId,
  kContrastLabelId,
  kContrastListId,
  kWorthSizeLabelId,
  kWorthSizeListId,
  kWorthModeLabelId,
  kThreeDotId,
  kFourDotId,
  kFusionLockLabelId,
  kFusionOnId,
  kFusionOffId,
  kTimerDelayLabelId,
  kTimerDelayListId,
  // Audio / Video
  kAudioVideoFrameId,
  kAudioAlertId,
  kVideoLabelId,
  kVideoPathId,
  kSelectVideoId,
  // Color Calibration
  kColourFrameId,
  kBackgroundSwatchId,
  kRedSwatchId,
  kOtherSwatchId,
  kRedBarLabelId,
  kRedBarId,
  kMiddleBarLabelId,
  kMiddleBarId,
  kBackgroundBarLabelId,
  kBackgroundBarId,
  kGlassesLabelId,
  kRedGreenId,
  kRedBlueId,
  // Outside the groups
  kVirtualRemoteId,
  kPhoneRemoteId,
  kGlobalNoteId,
  kSaveId,
  kCancelId,
  // The help buttons, in the order of their topics.
  kFirstHelpId = 1201,
};

constexpr int kHelpTopics = 15;

// The widgets the dialog reads and writes while it is open.
struct ConfigurationControls {
  QRadioButton* directView = nullptr;
  QRadioButton* mirroredRoom = nullptr;
  QComboBox* monitorList = nullptr;
  QRadioButton* twentyFeet = nullptr;
  QRadioButton* sixMeters = nullptr;
  QRadioButton* decimal = nullptr;
  QCheckBox* showNumerator = nullptr;
  QComboBox* labelSizeList = nullptr;
  QComboBox* labelColorList = nullptr;
  QComboBox* maxRowsList = nullptr;
  QCheckBox* statusBar = nullptr;
  QPushButton* matchGamma = nullptr;
  QCheckBox* monitorWindow = nullptr;
  QCheckBox* thumbnail = nullptr;
  QCheckBox* alwaysOnTop = nullptr;
  QCheckBox* smoothing = nullptr;
  QCheckBox* luminanceContrast = nullptr;
  QLineEdit* distanceEdit = nullptr;
  QRadioButton* feetRadio = nullptr;
  QRadioButton* metersRadio = nullptr;
  QLabel* sizeValue = nullptr;
  QPushButton* calibrate = nullptr;
  QComboBox* astigmatismList = nullptr;
  QComboBox* jccList = nullptr;
  QComboBox* contrastList = nullptr;
  QComboBox* worthSizeList = nullptr;
  QRadioButton* threeDot = nullptr;
  QRadioButton* fourDot = nullptr;
  QRadioButton* fusionOn = nullptr;
  QRadioButton* fusionOff = nullptr;
  QComboBox* timerDelayList = nullptr;
  QCheckBox* audioAlert = nullptr;
  QLineEdit* videoPath = nullptr;
  QPushButton* selectVideo = nullptr;
  QFrame* backgroundSwatch = nullptr;
  QFrame* redSwatch = nullptr;
  QFrame* otherSwatch = nullptr;
  QSlider* redBar = nullptr;
  QLabel* middleBarLabel = nullptr;
  QSlider* middleBar = nullptr;
  QSlider* backgroundBar = nullptr;
  QRadioButton* redGreen = nullptr;
  QRadioButton* redBlue = nullptr;
  QCheckBox* virtualRemote = nullptr;
  QCheckBox* phoneRemote = nullptr;
  QPushButton* save = nullptr;
  QPushButton* cancel = nullptr;
  std::array<QPushButton*, kHelpTopics> help{};
};

// Builds the window and every control, laid out group by group, with the lists filled.
// `monitors` is the number of entries of the patient-monitor list.
ConfigurationControls BuildConfigurationDialog(DialogBuilder& builder, int monitors);

}  // namespace lenvari
