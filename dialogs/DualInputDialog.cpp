#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/DialogFramework.h"
#include "dialogs/LenvariDLL.h"

namespace lenvari {
namespace {

constexpr int kFirstPromptId = 1339;
constexpr int kSecondPromptId = 1340;
constexpr int kFirstValueId = 1341;
constexpr int kSecondValueId = 1342;
constexpr int kOkId = 1343;
constexpr int kCancelId = 1344;

DialogBuilder BuildDualInputDialog() {
  const FontSpec font{"MS Sans Serif", 10};
  DialogBuilder builder =
      BeginDialog({"Dual Input", 250, 140, LayoutUnits::DialogUnits, {"", 8}});
  AddControl(builder, {kFirstPromptId, ControlKind::Label, "Enter Number One", 20, 19, 214, 15,
                       font});
  AddControl(builder, {kFirstValueId, ControlKind::EditBox, "InputOne", 20, 36, 214, 15, font});
  AddControl(builder, {kSecondPromptId, ControlKind::Label, "Enter Number Two", 20, 70, 214, 15,
                       font});
  AddControl(builder, {kSecondValueId, ControlKind::EditBox, "InputTwo", 20, 86, 214, 15, font});
  AddControl(builder, {kOkId, ControlKind::DefaultPushButton, "OK", 45, 115, 60, 15, font});
  AddControl(builder, {kCancelId, ControlKind::PushButton, "Cancel", 150, 115, 60, 15, font});
  return builder;
}

}  // namespace
}  // namespace lenvari

void SHOWDIALOG_DUALINPUT(int parentWindow, const std::string& title,
                          const std::string& firstPrompt, std::string& firstValue,
                          const std::string& secondPrompt, std::string& secondValue) {
  using namespace lenvari;
  (void)parentWindow;  // the dialog is always a top-level window of its own
  ApplicationScope application;
  std::string first = firstValue;
  std::string second = secondValue;
  DialogBuilder builder = BuildDualInputDialog();
  QDialog& dialog = *builder.dialog;
  dialog.setWindowTitle(QString::fromStdString(title));
  auto* firstEdit = FindControl<QLineEdit>(dialog, kFirstValueId);
  auto* secondEdit = FindControl<QLineEdit>(dialog, kSecondValueId);
  FindControl<QLabel>(dialog, kFirstPromptId)->setText(QString::fromStdString(firstPrompt));
  FindControl<QLabel>(dialog, kSecondPromptId)->setText(QString::fromStdString(secondPrompt));
  firstEdit->setText(QString::fromStdString(first));
  secondEdit->setText(QString::fromStdString(second));
  firstEdit->setFocus();
  QObject::connect(FindControl<QPushButton>(dialog, kOkId), &QPushButton::clicked, &dialog, [&] {
    first = firstEdit->text().toStdString();
    second = secondEdit->text().toStdString();
    dialog.accept();
  });
  QObject::connect(FindControl<QPushButton>(dialog, kCancelId), &QPushButton::clicked, &dialog,
                   &QDialog::reject);
  // The window's place is fixed, as the examiner's other small prompts are.
  RunModalAt(dialog, DialogUnitsToPixels(builder.base, 229, 132, 0, 0).topLeft());
  firstValue = first;
  secondValue = second;
}
