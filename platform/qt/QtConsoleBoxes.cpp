// The control window's modal boxes and the About splash (QtConsoleHost, ConsoleBoxes).
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>

#include "platform/qt/QtConsoleHostImpl.h"

namespace lenvari {
namespace {

QMessageBox::Icon IconOf(int style) {
  switch (style & 0xF0) {
    case 0x10: return QMessageBox::Critical;
    case 0x20: return QMessageBox::Question;
    case 0x30: return QMessageBox::Warning;
    case 0x40: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

}  // namespace

int QtConsoleHost::ConsoleMessageBox(const std::string& message, int style,
                                     const std::string& title) {
  QMessageBox box(IconOf(style), QString::fromStdString(ExpandConsoleText(title)),
                  QString::fromStdString(ExpandConsoleText(message)));
  box.setWindowFlags(kModalFrame);
  QMessageBox::StandardButton first = QMessageBox::Ok, second = QMessageBox::NoButton;
  switch (style & 0x0F) {
    case 1:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      second = QMessageBox::Cancel;
      break;
    case 3:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      first = QMessageBox::Yes, second = QMessageBox::No;
      break;
    case 4:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      first = QMessageBox::Yes, second = QMessageBox::No;
      break;
    default: box.setStandardButtons(QMessageBox::Ok); break;
  }
  box.setDefaultButton((style & kMbDefButton2) && second != QMessageBox::NoButton ? second : first);
  switch (box.exec()) {
    case QMessageBox::Ok: return kIdOk;
    case QMessageBox::Yes: return kIdYes;
    case QMessageBox::No: return kIdNo;
    default: return kIdCancel;
  }
}

int QtConsoleHost::ConsoleChoice(const std::string& message, const std::string& title,
                                 const std::vector<std::string>& buttons) {
  QMessageBox box(QMessageBox::Question, QString::fromStdString(ExpandConsoleText(title)),
                  QString::fromStdString(ExpandConsoleText(message)));
  box.setWindowFlags(kModalFrame);
  std::vector<QPushButton*> pushButtons;
  for (size_t i = 0; i < buttons.size(); ++i)
    pushButtons.push_back(box.addButton(QString::fromStdString(buttons[i]),
                                        i == 0 ? QMessageBox::AcceptRole : QMessageBox::RejectRole));
  if (!pushButtons.empty()) box.setDefaultButton(pushButtons.front());
  box.exec();
  for (size_t i = 0; i < pushButtons.size(); ++i)
    if (box.clickedButton() == pushButtons[i]) return static_cast<int>(i);
  return -1;
}

std::string QtConsoleHost::ConsoleInputBox(const std::string& prompt, const std::string& title,
                                           const std::string& defaultText) {
  QInputDialog dialog;
  dialog.setWindowFlags(kModalFrame);
  dialog.setWindowTitle(QString::fromStdString(ExpandConsoleText(title)));
  dialog.setLabelText(QString::fromStdString(ExpandConsoleText(prompt)));
  dialog.setTextValue(QString::fromStdString(defaultText));
  dialog.setInputMode(QInputDialog::TextInput);
  if (dialog.exec() != QDialog::Accepted) return "";
  return dialog.textValue().toStdString();
}


// The splash is shown on the examiner's monitor (the patient's only when there is no other),
// above the chart: a window the window manager does not stack, so a full-screen chart with the
// focus cannot cover it.
void QtConsoleHost::SplashBoxShow(const std::string& text) {
  if (!impl_->splash) {
    impl_->splash = new QLabel(nullptr, Qt::SplashScreen | Qt::WindowStaysOnTopHint |
                                            Qt::X11BypassWindowManagerHint |
                                            Qt::FramelessWindowHint);
    impl_->splash->setAlignment(Qt::AlignCenter);
    impl_->splash->setMargin(24);
    impl_->splash->setFrameStyle(QFrame::Box | QFrame::Plain);
    impl_->splash->setAutoFillBackground(true);
    impl_->splash->setWindowTitle("About");
  }
  impl_->splash->setText(QString::fromStdString(ExpandConsoleText(text)));
  impl_->splash->adjustSize();
  const QRect examiner = impl_->ExaminerScreen();
  if (!examiner.isEmpty()) {
    const QSize size = impl_->splash->size();
    impl_->splash->move(examiner.x() + (examiner.width() - size.width()) / 2,
                        examiner.y() + (examiner.height() - size.height()) / 2);
  }
  impl_->splash->show();
  impl_->splash->raise();
  std::string line = ExpandConsoleText(text);
  for (char& c : line)
    if (c == '\n') c = ' ';
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

void QtConsoleHost::SplashBoxHide() {
  if (impl_->splash) impl_->splash->hide();
}

}  // namespace lenvari
