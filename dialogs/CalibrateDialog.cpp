#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "common/NumberText.h"
#include "dialogs/CalibrationDistance.h"
#include "dialogs/DialogFramework.h"
#include "dialogs/LenvariDLL.h"

namespace lenvari {
namespace {

constexpr int kFeetId = 1001;
constexpr int kMetersId = 1002;
constexpr int kPromptId = 1003;
constexpr int kDistanceId = 1004;
constexpr int kOkId = 1005;
constexpr int kCancelId = 1006;

DialogBuilder BuildCalibrateDialog() {
  DialogBuilder builder = BeginDialog({"Calibrate Lenvari Acuity", 484, 172, LayoutUnits::Pixels, {}});
  const FontSpec normal{"", 12, false};
  AddControl(builder, {kPromptId, ControlKind::CentredLabel,
                       "Enter optical distance (spectacle plane to monitor):", 8, 18, 480, 44,
                       normal, false});
  AddControl(builder, {kDistanceId, ControlKind::EditBox, "", 158, 70, 82, 26, {"", 14, false},
                       false});
  AddControl(builder, {kFeetId, ControlKind::RadioButton, "Feet", 262, 62, 76, 26, normal, true});
  AddControl(builder, {kMetersId, ControlKind::RadioButton, "Meters", 262, 88, 76, 26, normal,
                       false});
  AddControl(builder, {kOkId, ControlKind::DefaultPushButton, "OK", 158, 122, 44, 28, normal,
                       false});
  AddControl(builder, {kCancelId, ControlKind::PushButton, "Cancel", 255, 122, 75, 28, normal,
                       false});
  return builder;
}

// Runs the dialog on `distance`; the accepted distance text, or the old one when cancelled.
std::string AskCalibrationDistance(const std::string& distance) {
  DialogBuilder builder = BuildCalibrateDialog();
  QDialog& dialog = *builder.dialog;
  auto* edit = FindControl<QLineEdit>(dialog, kDistanceId);
  auto* feet = FindControl<QRadioButton>(dialog, kFeetId);
  auto* meters = FindControl<QRadioButton>(dialog, kMetersId);

  std::string unit = DistanceUnit(distance);
  feet->setChecked(unit == "feet");
  meters->setChecked(unit == "meters");
  edit->setText(QString::fromStdString(DistanceNumberText(LeadingNumber(distance))));
  edit->setFocus();

  // Follows the check mark however it moves: a click, or an arrow key within the pair.
  QObject::connect(feet, &QRadioButton::toggled, &dialog, [&unit](bool on) {
    if (on) unit = "feet";
  });
  QObject::connect(meters, &QRadioButton::toggled, &dialog, [&unit](bool on) {
    if (on) unit = "meters";
  });
  // A unit word typed after the number chooses that unit ("6 meters", "20 ft").
  QObject::connect(edit, &QLineEdit::textChanged, &dialog, [=](const QString& text) {
    const auto entry = ReadTypedDistance(text.toStdString());
    if (!entry || entry->unit.empty()) return;
    (entry->unit == "feet" ? feet : meters)->setChecked(true);
  });
  double accepted = 0;
  QObject::connect(FindControl<QPushButton>(dialog, kOkId), &QPushButton::clicked, &dialog, [&] {
    const auto entry = ReadTypedDistance(edit->text().toStdString());
    if (!entry || !DistanceAcceptable(entry->value, unit)) {
      ShowDialogMessage(&dialog, " ", kDistanceRangeMessage);
      return;
    }
    accepted = entry->value;
    dialog.accept();
  });
  QObject::connect(FindControl<QPushButton>(dialog, kCancelId), &QPushButton::clicked, &dialog,
                   &QDialog::reject);

  if (!RunModal(dialog)) return distance;
  return DistanceText(accepted, unit);
}

}  // namespace
}  // namespace lenvari

std::string SHOWCALIBRATE(int parentWindow, std::string& distance) {
  (void)parentWindow;  // the dialog is always a top-level window of its own
  lenvari::ApplicationScope application;
  distance = lenvari::AskCalibrationDistance(distance);
  return distance;
}
