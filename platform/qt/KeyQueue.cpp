#include "platform/qt/KeyQueue.h"

#include <QKeyEvent>

#include "platform/KeyTranslation.h"

namespace lenvari {

// The key numbers the core tells apart are Qt's own, passed through unchanged.
static_assert(windowkey::Space == Qt::Key_Space && windowkey::A == Qt::Key_A &&
              windowkey::Z == Qt::Key_Z);
static_assert(windowkey::Escape == Qt::Key_Escape && windowkey::Tab == Qt::Key_Tab &&
              windowkey::Backspace == Qt::Key_Backspace && windowkey::Return == Qt::Key_Return &&
              windowkey::Enter == Qt::Key_Enter);
static_assert(windowkey::Home == Qt::Key_Home && windowkey::End == Qt::Key_End &&
              windowkey::Left == Qt::Key_Left && windowkey::Up == Qt::Key_Up &&
              windowkey::Right == Qt::Key_Right && windowkey::Down == Qt::Key_Down &&
              windowkey::PageUp == Qt::Key_PageUp && windowkey::PageDown == Qt::Key_PageDown);
static_assert(windowkey::Shift == Qt::Key_Shift && windowkey::Control == Qt::Key_Control &&
              windowkey::Meta == Qt::Key_Meta && windowkey::Alt == Qt::Key_Alt &&
              windowkey::CapsLock == Qt::Key_CapsLock && windowkey::NumLock == Qt::Key_NumLock &&
              windowkey::AltGr == Qt::Key_AltGr);
static_assert(windowkey::F1 == Qt::Key_F1 && windowkey::F10 == Qt::Key_F10 &&
              windowkey::F11 == Qt::Key_F11 && windowkey::F12 == Qt::Key_F12);

void KeyQueue::Receive(const QKeyEvent& event) {
  KeyPress key;
  key.windowKey = event.key();
  key.ctrl = event.modifiers() & Qt::ControlModifier;
  key.alt = event.modifiers() & Qt::AltModifier;
  key.shift = event.modifiers() & Qt::ShiftModifier;
  key.text = event.text().toStdString();
  const std::string input = TranslateKey(key);
  if (input.empty()) return;
  keys += input;
  altDown = key.alt ? 1 : 0;
  ctrlDown = key.ctrl ? 1 : 0;
}

}  // namespace lenvari
