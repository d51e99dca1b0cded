#include "platform/KeyTranslation.h"


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
  switch (key.windowKey) {
    case windowkey::Shift: case windowkey::Control: case windowkey::Alt: case windowkey::Meta:
    case windowkey::AltGr: case windowkey::CapsLock: case windowkey::NumLock:
      return "";
    case windowkey::Up: return ExtendedKey(key.alt ? AltUp : Up);
    case windowkey::Down: return ExtendedKey(key.alt ? AltDown : Down);
    case windowkey::Left: return ExtendedKey(key.alt ? AltLeft : Left);
    case windowkey::Right: return ExtendedKey(key.alt ? AltRight : Right);
    case windowkey::Home: return ExtendedKey(Home);
    case windowkey::End: return ExtendedKey(End);
    case windowkey::PageUp: return ExtendedKey(PgUp);
    case windowkey::PageDown: return ExtendedKey(PgDn);
    case windowkey::F11: return ExtendedKey(F11);
    case windowkey::F12: return ExtendedKey(F12);
    case windowkey::Return: case windowkey::Enter: return kEnterKey;
    case windowkey::Tab: return "\t";
    case windowkey::Backspace: return "\b";
    case windowkey::Escape: return kEscKey;
    default: break;
  }
  if (key.windowKey >= windowkey::F1 && key.windowKey <= windowkey::F10)
    return ExtendedKey(F1 + (key.windowKey - windowkey::F1));
  if (key.windowKey >= windowkey::A && key.windowKey <= windowkey::Z) {
    const char letter = static_cast<char>('a' + (key.windowKey - windowkey::A));
    if (key.alt && !key.ctrl) return ExtendedKey(AltLetterCode(letter));
    if (key.ctrl && !key.alt) return CtrlKey(letter);
  }
  return key.text;
}

}  // namespace lenvari
