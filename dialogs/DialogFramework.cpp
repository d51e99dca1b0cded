#include "dialogs/DialogFramework.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>

#include <algorithm>

namespace lenvari {

DialogUnitBase DialogUnitBaseOf(const QFont& font) {
  const QFontMetrics metrics(font);
  const int letters =
      metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  // The average over 52 letters, rounded half up, as the dialog manager computes it.
  return {std::max(1, (letters / 26 + 1) / 2), std::max(1, metrics.height())};
}

QRect DialogUnitsToPixels(const DialogUnitBase& base, int x, int y, int width, int height) {
  const auto horizontal = [&](int units) { return (units * base.x + 2) / 4; };
  const auto vertical = [&](int units) { return (units * base.y + 4) / 8; };
  return QRect(horizontal(x), vertical(y), horizontal(width), vertical(height));
}

namespace {

// Faces with the letter widths of the faces the dialogs were laid out with.
QStringList FacesFor(const std::string& face) {
  if (face == "Arial") return {"Arial", "Liberation Sans"};
  if (face == "Arial Narrow") return {"Arial Narrow", "Liberation Sans Narrow"};
  return {QString::fromStdString(face)};
}

// A dialog whose cancelling can be refused.
class CheckedDialog : public QDialog {
 public:
  using QDialog::QDialog;
  std::function<bool()> cancelCheck;

  void reject() override {
    if (cancelCheck && !cancelCheck()) return;
    QDialog::reject();
  }
};

}  // namespace

QFont ResolveFont(const FontSpec& form, const QFont& dialogFont) {
  QFont font = dialogFont;
  if (!form.face.empty() && form.face != "MS Sans Serif") font.setFamilies(FacesFor(form.face));
  if (form.points > 0) font.setPointSize(form.points);
  font.setBold(form.bold);
  return font;
}

DialogBuilder BeginDialog(const DialogSpec& form) {
  DialogBuilder builder;
  Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (form.systemMenu) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (form.topMost) flags |= Qt::WindowStaysOnTopHint;
  builder.dialog = std::make_unique<CheckedDialog>(nullptr, flags);
  QDialog& dialog = *builder.dialog;
  dialog.setWindowTitle(QString::fromStdString(form.title));
  dialog.setModal(true);
  dialog.setFont(ResolveFont(form.font, QApplication::font()));
  builder.units = form.units;
  builder.base = DialogUnitBaseOf(dialog.font());
  const QRect client = builder.units == LayoutUnits::DialogUnits
                           ? DialogUnitsToPixels(builder.base, 0, 0, form.width, form.height)
                           : QRect(0, 0, form.width, form.height);
  dialog.setFixedSize(client.size());
  return builder;
}

namespace {

// A radio group is one Tab stop, as in every dialog of the system: Tab reaches the checked
// member (the first when none is checked) and the arrow keys move within the group.
void KeepOneTabStop(QButtonGroup* group) {
  const QList<QAbstractButton*> buttons = group->buttons();
  QAbstractButton* stop = group->checkedButton();
  if (!stop && !buttons.isEmpty()) stop = buttons.front();
  for (QAbstractButton* button : buttons) {
    button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
  }
}

QWidget* MakeControl(DialogBuilder& builder, const ControlSpec& form) {
  QDialog* dialog = builder.dialog.get();
  const QString caption = QString::fromStdString(form.caption);
  switch (form.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton: {
      auto* button = new QPushButton(caption, dialog);
      button->setDefault(form.kind == ControlKind::DefaultPushButton);
      return button;
    }
    case ControlKind::CheckBox:
      return new QCheckBox(caption, dialog);
    case ControlKind::RadioButton: {
      auto* radio = new QRadioButton(caption, dialog);
      if (form.startsGroup || !builder.radioGroup) {
        QButtonGroup* group = new QButtonGroup(dialog);
        group->setExclusive(true);
        QObject::connect(group, &QButtonGroup::buttonToggled, group,
                         [group] { KeepOneTabStop(group); });
        builder.radioGroup = group;
      }
      builder.radioGroup->addButton(radio, form.id);
      KeepOneTabStop(builder.radioGroup);
      return radio;
    }
    case ControlKind::Label:
    case ControlKind::CentredLabel: {
      auto* label = new QLabel(caption, dialog);
      label->setWordWrap(true);
      label->setAlignment((form.kind == ControlKind::CentredLabel ? Qt::AlignHCenter : Qt::AlignLeft) |
                          Qt::AlignTop);
      return label;
    }
    case ControlKind::EditBox: {
      auto* edit = new QLineEdit(caption, dialog);
      edit->setFrame(true);
      return edit;
    }
    case ControlKind::DropDownList: {
      auto* list = new QComboBox(dialog);
      list->setEditable(false);
      return list;
    }
    case ControlKind::GroupFrame:
      return new QGroupBox(caption, dialog);
    case ControlKind::TrackBar:
      return new QSlider(Qt::Horizontal, dialog);
    case ControlKind::ColourSwatch: {
      auto* swatch = new QFrame(dialog);
      swatch->setFrameShape(QFrame::Box);
      swatch->setAutoFillBackground(true);
      return swatch;
    }
  }
  return new QWidget(dialog);
}

}  // namespace

QWidget* AddControl(DialogBuilder& builder, const ControlSpec& form) {
  QWidget* control = MakeControl(builder, form);
  control->setObjectName(QString::number(form.id));
  control->setFont(ResolveFont(form.font, builder.dialog->font()));
  control->setGeometry(builder.units == LayoutUnits::DialogUnits
                           ? DialogUnitsToPixels(builder.base, form.x, form.y, form.width,
                                                 form.height)
                           : QRect(form.x, form.y, form.width, form.height));
  return control;
}

void SetCancelCheck(QDialog& dialog, std::function<bool()> check) {
  if (auto* checked = dynamic_cast<CheckedDialog*>(&dialog)) checked->cancelCheck = std::move(check);
}

namespace {

bool ShowAndRun(QDialog& dialog) {
  dialog.show();
  dialog.raise();
  dialog.activateWindow();
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace

bool RunModal(QDialog& dialog) {
  if (const QScreen* screen = dialog.screen()) {
    const QRect available = screen->availableGeometry();
    dialog.move(available.center() - QPoint(dialog.width() / 2, dialog.height() / 2));
  }
  return ShowAndRun(dialog);
}

bool RunModalAt(QDialog& dialog, QPoint topLeft) {
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    dialog.move(screen->availableGeometry().topLeft() + topLeft);
  return ShowAndRun(dialog);
}

void ShowDialogMessage(QWidget* parent, const std::string& title, const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title),
                  QString::fromStdString(text), QMessageBox::Ok, parent);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

ApplicationScope::ApplicationScope() {
  if (!QApplication::instance()) application_ = std::make_unique<QApplication>(argc_, argv_);
}

ApplicationScope::~ApplicationScope() = default;

}  // namespace lenvari
