#include "platform/qt/ModalAnswers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QAbstractSlider>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace lenvari {
namespace {

// A picture button has no text; its accessible name is the caption a reader would hear.
QString Caption(const QAbstractButton* button) {
  QString text = button->text().isEmpty() ? button->accessibleName() : button->text();
  text.remove('&');
  return text.trimmed();
}

std::string OneLine(QString text) {
  text.replace("\r\n", "\n");
  QStringList parts = text.split('\n', Qt::SkipEmptyParts);
  for (QString& part : parts) part = part.trimmed();
  return parts.join(' ').toStdString();
}

QAbstractButton* ButtonCaptioned(QWidget* window, const QString& caption) {
  for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
    if (button->isVisible() && Caption(button).compare(caption, Qt::CaseInsensitive) == 0)
      return button;
  }
  return nullptr;
}

QPushButton* DefaultButton(QWidget* window) {
  for (QPushButton* button : window->findChildren<QPushButton*>())
    if (button->isDefault() && button->isVisible()) return button;
  for (QPushButton* button : window->findChildren<QPushButton*>())
    if (Caption(button).compare("OK", Qt::CaseInsensitive) == 0 && button->isVisible())
      return button;
  return nullptr;
}

// --- Answers that reach a dialog's controls: "?N" and "caption=value". ---

// Captions compare without letter case, blanks at either end or a closing colon, so
// "Label Size=20/20" finds the list captioned "Label Size:".
bool SameCaption(QString caption, QString wanted) {
  caption = caption.remove('&').trimmed();
  wanted = wanted.trimmed();
  if (caption.endsWith(':')) caption.chop(1);
  if (wanted.endsWith(':')) wanted.chop(1);
  return caption.compare(wanted, Qt::CaseInsensitive) == 0;
}

// The control a caption names: the buddy of a label with that text, or a control whose
// accessible name it is.
QWidget* ControlCaptioned(QWidget* window, const QString& caption) {
  for (QLabel* label : window->findChildren<QLabel*>()) {
    if (label->buddy() && label->isVisible() && SameCaption(label->text(), caption))
      return label->buddy();
  }
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (widget->isVisible() && !widget->accessibleName().isEmpty() &&
        SameCaption(widget->accessibleName(), caption))
      return widget;
  }
  return nullptr;
}

// Whether any control of the window is reached by a caption.
bool ControlCaptionsIn(QWidget* window) {
  for (QLabel* label : window->findChildren<QLabel*>())
    if (label->buddy()) return true;
  return false;
}

// Chooses the list item whose text is `value`, types `value` into an edit box or moves a
// track bar to it. False when the control takes no such value.
bool SetControlValue(QWidget* control, const QString& value) {
  if (!control->isEnabled()) return false;
  if (auto* list = qobject_cast<QComboBox*>(control)) {
    int item = list->findText(value, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (item < 0) item = list->findText(value, Qt::MatchFixedString);
    if (item < 0) return false;
    list->setCurrentIndex(item);
    return true;
  }
  if (auto* field = qobject_cast<QLineEdit*>(control)) {
    if (field->isReadOnly()) return false;
    field->setFocus();
    field->selectAll();
    field->insert(value);
    return true;
  }
  if (auto* bar = qobject_cast<QAbstractSlider*>(control)) {
    bool number = false;
    const int position = value.trimmed().toInt(&number);
    if (!number) return false;
    bar->setValue(position);
    return true;
  }
  return false;
}

// The n-th help button ("?") of a window, counted from 1 in the order the buttons were made.
QAbstractButton* HelpButton(QWidget* window, int n) {
  int seen = 0;
  for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
    if (button->isVisible() && Caption(button) == "?" && ++seen == n) return button;
  }
  return nullptr;
}

enum class ControlAnswer { NotForAControl, Done, Clicked };

// Answers "?N" and "caption=value"; an answer that names no control is left to the other rules.
ControlAnswer AnswerControl(QWidget* window, const QString& answer) {
  if (answer.startsWith('?') && answer.size() > 1) {
    bool number = false;
    const int n = answer.mid(1).toInt(&number);
    if (number) {
      QAbstractButton* help = HelpButton(window, n);
      if (!help) return ControlAnswer::NotForAControl;
      help->click();
      return ControlAnswer::Clicked;
    }
  }
  const qsizetype equals = answer.indexOf('=');
  if (equals <= 0) return ControlAnswer::NotForAControl;
  QWidget* control = ControlCaptioned(window, answer.left(equals));
  if (!control) {
    // A dialog with captioned controls takes a misspelt caption as a mistake to report rather
    // than as text for whatever box has the focus (which would then be saved).
    if (!ControlCaptionsIn(window)) return ControlAnswer::NotForAControl;
    std::fprintf(stderr, "answer \"%s\" names no control of \"%s\"\n",
                 answer.toUtf8().constData(), window->windowTitle().toUtf8().constData());
    return ControlAnswer::Done;
  }
  if (!SetControlValue(control, answer.mid(equals + 1))) {
    std::fprintf(stderr, "answer \"%s\" does not fit its control\n", answer.toUtf8().constData());
  }
  return ControlAnswer::Done;
}

// A file chooser is answered by the path of the file to choose; an empty answer or "Cancel"
// cancels it. A path the chooser refuses (no such file) leaves it open behind its own warning,
// to be answered again.
void AnswerFileChooser(QFileDialog* chooser, const QString& answer) {
  if (answer.trimmed().isEmpty() || answer.trimmed().compare("Cancel", Qt::CaseInsensitive) == 0) {
    chooser->reject();
    return;
  }
  // The chooser leaves its name field alone while the field has the focus, so the path is
  // typed there as a user would.
  chooser->selectFile(answer);
  if (auto* name = chooser->findChild<QLineEdit*>("fileNameEdit")) name->setText(answer);
  static_cast<QDialog*>(chooser)->accept();
}

// The chooser's line names what it offers: the filter in use.
std::string FileChooserText(const QFileDialog* chooser) {
  QString filter = chooser->selectedNameFilter();
  const qsizetype open = filter.lastIndexOf('(');
  if (open > 0) filter = filter.left(open).trimmed();
  return OneLine(filter);
}

// The answers "{Enter}" and "{Esc}" press that key in the window, as the examiner would: Enter
// presses the button that has the focus or the default one, Esc cancels (a Yes/No box: No).
bool PressNamedKey(QDialog* dialog, const QString& answer) {
  Qt::Key key;
  if (answer == "{Enter}") {
    key = Qt::Key_Return;
  } else if (answer == "{Esc}") {
    key = Qt::Key_Escape;
  } else {
    return false;
  }
  QWidget* target = dialog->focusWidget() ? dialog->focusWidget() : dialog;
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &release);
  return true;
}

}  // namespace

std::deque<std::string> SplitAnswers(const std::string& text) {
  std::deque<std::string> answers;
  if (text.empty()) return answers;
  size_t start = 0;
  while (true) {
    const size_t end = text.find(';', start);
    answers.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return answers;
}

struct ModalAnswers::Impl : QObject {
  std::deque<std::string> answers;
  bool answering = false;

  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() != QEvent::Show) return false;
    auto* dialog = qobject_cast<QDialog*>(object);
    if (!dialog || !dialog->isWindow()) return false;
    if (dialog->property("lenvariAnswered").toBool()) return false;
    dialog->setProperty("lenvariAnswered", true);
    Announce(dialog);
    if (answering) {
      // A dialog stays open after an answer that only sets a control (a unit button) or after
      // a refused entry; it is answered again, with the next answer, whenever it is the window
      // on top.
      auto* timer = new QTimer(dialog);
      QPointer<QDialog> guard(dialog);
      QObject::connect(timer, &QTimer::timeout, dialog, [this, guard] {
        if (!guard || !guard->isVisible()) return;
        if (QApplication::activeModalWidget() != guard) return;
        AnswerUnlessAnswering(guard);
      });
      timer->start(20);
    }
    return false;
  }

  // An answer may open another window from inside it (OK on a dialog whose entry is refused,
  // a button that asks again) and wait there: that window is on top and answered in its own
  // turn. Only a second answer to the same dialog while its first is still running is held
  // back, so nested windows at any depth never wait for each other.
  void AnswerUnlessAnswering(QDialog* dialog) {
    constexpr const char* kAnswering = "lenvariAnswering";
    if (dialog->property(kAnswering).toBool()) return;
    dialog->setProperty(kAnswering, true);
    QPointer<QDialog> guard(dialog);
    Answer(dialog);
    if (guard) guard->setProperty(kAnswering, false);
  }

  void Announce(QDialog* dialog) {
    std::string text;
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
      text = OneLine(box->text());
    } else if (auto* chooser = qobject_cast<QFileDialog*>(dialog)) {
      text = FileChooserText(chooser);
    } else if (auto* input = qobject_cast<QInputDialog*>(dialog)) {
      text = OneLine(input->labelText());
    } else {
      QStringList labels;
      for (QLabel* label : dialog->findChildren<QLabel*>())
        if (!label->text().isEmpty()) labels << label->text();
      text = OneLine(labels.join('\n'));
    }
    const std::string title = dialog->windowTitle().toStdString();
    std::printf("[%s] %s\n", title.c_str(), text.c_str());
    std::fflush(stdout);
  }

  void Answer(QDialog* dialog) {
    if (!dialog->isVisible()) return;
    if (answers.empty()) {
      if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        if (QAbstractButton* button = box->defaultButton()) {
          button->click();
        } else if (QAbstractButton* escape = box->escapeButton()) {
          escape->click();
        } else {
          box->accept();
        }
      } else {
        dialog->reject();  // cancelling may ask a question first, answered in its own turn
      }
      return;
    }
    const QString answer = QString::fromStdString(answers.front());
    answers.pop_front();
    // Acting on the dialog may open a nested box, which is answered in its own turn.
    if (PressNamedKey(dialog, answer)) return;
    if (auto* chooser = qobject_cast<QFileDialog*>(dialog)) {
      AnswerFileChooser(chooser, answer);
      return;
    }
    if (QAbstractButton* button = ButtonCaptioned(dialog, answer)) {
      button->click();
      return;
    }
    if (!qobject_cast<QInputDialog*>(dialog) &&
        AnswerControl(dialog, answer) != ControlAnswer::NotForAControl)
      return;
    if (auto* input = qobject_cast<QInputDialog*>(dialog)) {
      input->setTextValue(answer);
      input->accept();
      return;
    }
    QLineEdit* field = qobject_cast<QLineEdit*>(dialog->focusWidget());
    if (!field) field = dialog->findChild<QLineEdit*>();
    if (field) {
      field->selectAll();
      field->insert(answer);
    }
    if (QPushButton* ok = DefaultButton(dialog)) {
      ok->click();
    } else {
      dialog->accept();
    }
  }
};

ModalAnswers::ModalAnswers(std::deque<std::string> answers, bool answering)
    : impl_(std::make_unique<Impl>()) {
  impl_->answers = std::move(answers);
  impl_->answering = answering;
  qApp->installEventFilter(impl_.get());
}

ModalAnswers::~ModalAnswers() {
  if (qApp) qApp->removeEventFilter(impl_.get());
}

size_t ModalAnswers::AnswersLeft() const { return impl_->answers.size(); }

}  // namespace lenvari
