#pragma once
// How every dialog of this library is put together: an empty modal window of a given title
// and size, then its controls one by one, each with its identifier (kept as the widget's
// object name, so "1005" finds the OK button of the calibration dialog), caption, position,
// size and font. Positions are pixels or dialog units, as each dialog is laid out.
//
// Results go back to the caller only after the dialog has ended with OK or Save; the dialogs
// keep their working values in locals of the export that runs them.

#include <functional>
#include <memory>
#include <string>

#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

class QApplication;
class QButtonGroup;
class QDialog;
class QFont;

namespace lenvari {

enum class ControlKind {
  PushButton,
  DefaultPushButton,  // pressed by Enter
  CheckBox,
  RadioButton,        // joins the radio group opened by the last `startsGroup` radio
  Label,              // left-aligned text
  CentredLabel,
  EditBox,            // single line, sunken edge
  DropDownList,       // not editable
  GroupFrame,
  TrackBar,
  ColourSwatch,       // a small box filled with a colour
};

// Face name and point size; an empty face means the dialog's default face.
struct FontSpec {
  std::string face;
  int points = 0;  // 0: the dialog's default size
  bool bold = false;
};

struct ControlSpec {
  int id = 0;
  ControlKind kind = ControlKind::Label;
  std::string caption;
  int x = 0, y = 0, width = 0, height = 0;  // in the dialog's layout units
  FontSpec font;
  bool startsGroup = false;  // radio buttons: the first member of a new group
};

enum class LayoutUnits { Pixels, DialogUnits };

struct DialogSpec {
  std::string title;
  int width = 0, height = 0;  // client area, in `units`
  LayoutUnits units = LayoutUnits::Pixels;
  FontSpec font;  // the dialog font: its metrics define the dialog units
  bool systemMenu = false;  // a close box in the caption, which cancels like Escape
  bool topMost = false;     // kept above every other window
};

// The dialog-unit base of a font: one horizontal unit is a quarter of the average width of
// the Latin letters, one vertical unit an eighth of the font's height.
struct DialogUnitBase {
  int x = 1;
  int y = 1;
};
DialogUnitBase DialogUnitBaseOf(const QFont& font);
QRect DialogUnitsToPixels(const DialogUnitBase& base, int x, int y, int width, int height);

// The font a control form asks for, resolved against the dialog's default face and size.
// Faces the dialogs were drawn with but that a machine may lack fall back to a face with the
// same letter widths ("Arial" to "Liberation Sans", "Arial Narrow" to "Liberation Sans
// Narrow"); "MS Sans Serif" is the platform's default face.
QFont ResolveFont(const FontSpec& form, const QFont& dialogFont);

// A dialog under construction. Owns the window until it is run.
struct DialogBuilder {
  std::unique_ptr<QDialog> dialog;
  LayoutUnits units = LayoutUnits::Pixels;
  DialogUnitBase base;
  QButtonGroup* radioGroup = nullptr;  // the group the next radio button joins
};

// The empty dialog: modal frame with caption, client size from the form.
DialogBuilder BeginDialog(const DialogSpec& form);

// Asked whenever the dialog is about to be cancelled (Escape, the close box, a Cancel button
// wired to `QDialog::reject`, or a program ending it); returning false keeps it open.
void SetCancelCheck(QDialog& dialog, std::function<bool()> check);

// Adds one control; returns the widget (a QPushButton, QCheckBox, QRadioButton, QLabel,
// QLineEdit, QComboBox, QGroupBox, QSlider or QFrame by kind).
QWidget* AddControl(DialogBuilder& builder, const ControlSpec& form);

// The control of a dialog by identifier, or nullptr.
template <class Widget>
Widget* FindControl(QWidget& dialog, int id) {
  return dialog.findChild<Widget*>(QString::number(id));
}

// Shows the dialog modally, centred on the screen and in the foreground, and runs its loop
// until it is ended. Enter presses the default button, Escape cancels. Returns true when the
// dialog was accepted.
bool RunModal(QDialog& dialog);
// The same, with the dialog's top-left corner at `topLeft` of the primary screen's work area
// (pixels from its corner).
bool RunModalAt(QDialog& dialog, QPoint topLeft);

// A validation message from inside a dialog: no icon, an OK button, modal to the application.
// The dialog stays open behind it.
void ShowDialogMessage(QWidget* parent, const std::string& title, const std::string& text);

// The dialogs need an application object; a caller without one (a plain program using the
// library) gets one for the duration of the call.
class ApplicationScope {
 public:
  ApplicationScope();
  ~ApplicationScope();
  ApplicationScope(const ApplicationScope&) = delete;
  ApplicationScope& operator=(const ApplicationScope&) = delete;

 private:
  int argc_ = 1;
  char name_[16] = "LenvariDLL";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> application_;
};

}  // namespace lenvari
