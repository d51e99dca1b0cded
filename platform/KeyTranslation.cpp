#include "platform/KeyTranslation.h"

#include <Qt>

#include <cctype>

namespace lenvari {

std::string ExtendedKey(int code) {
  std::string key(1, '\0');
  key += static_cast<char>(code);
  return key;
}

std::string CtrlKey(char letter) {
  const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
  return std::string(1, static_cast<char>(upper - 'A' + 1));
}

int AltLetterCode(char letter) {
  // Keyboard scan codes of the letter keys, in the order of the rows of a PC keyboard.
  static constexpr struct {
    char letter;
    int code;
  } kCodes[] = {{'q', 16}, {'w', 17}, {'e', 18}, {'r', 19}, {'t', 20}, {'y', 21}, {'u', 22},
                {'i', 23}, {'o', 24}, {'p', 25}, {'a', 30}, {'s', 31}, {'d', 32}, {'f', 33},
                {'g', 34}, {'h', 35}, {'j', 36}, {'k', 37}, {'l', 38}, {'z', 44}, {'x', 45},
                {'c', 46}, {'v', 47}, {'b', 48}, {'n', 49}, {'m', 50}};
  const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
  for (const auto& entry : kCodes)
    if (entry.letter == lower) return entry.code;
  return 0;
}

std::string TranslateKey(const KeyPress& key) {
  using namespace keycode;
  switch (key.qtKey) {
    case Qt::Key_Shift: case Qt::Key_Control: case Qt::Key_Alt: case Qt::Key_Meta:
    case Qt::Key_AltGr: case Qt::Key_CapsLock: case Qt::Key_NumLock:
      return "";
    case Qt::Key_Up: return ExtendedKey(key.alt ? AltUp : Up);
    case Qt::Key_Down: return ExtendedKey(key.alt ? AltDown : Down);
    case Qt::Key_Left: return ExtendedKey(key.alt ? AltLeft : Left);
    case Qt::Key_Right: return ExtendedKey(key.alt ? AltRight : Right);
    case Qt::Key_Home: return ExtendedKey(Home);
    case Qt::Key_End: return ExtendedKey(End);
    case Qt::Key_PageUp: return ExtendedKey(PgUp);
    case Qt::Key_PageDown: return ExtendedKey(PgDn);
    case Qt::Key_F11: return ExtendedKey(F11);
    case Qt::Key_F12: return ExtendedKey(F12);
    case Qt::Key_Return: case Qt::Key_Enter: return kEnterKey;
    case Qt::Key_Tab: return "\t";
    case Qt::Key_Backspace: return "\b";
    case Qt::Key_Escape: return kEscKey;
    default: break;
  }
  if (key.qtKey >= Qt::Key_F1 && key.qtKey <= Qt::Key_F10)
    return ExtendedKey(F1 + (key.qtKey - Qt::Key_F1));
  if (key.qtKey >= Qt::Key_A && key.qtKey <= Qt::Key_Z) {
    const char letter = static_cast<char>('a' + (key.qtKey - Qt::Key_A));
    if (key.alt && !key.ctrl) return ExtendedKey(AltLetterCode(letter));
    if (key.ctrl && !key.alt) return CtrlKey(letter);
  }
  return key.text;
}

}  // namespace lenvari
