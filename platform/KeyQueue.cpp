#include "platform/KeyQueue.h"

#include <QKeyEvent>

#include "platform/KeyTranslation.h"

namespace lenvari {

void KeyQueue::Receive(const QKeyEvent& event) {
  KeyPress key;
  key.qtKey = event.key();
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
