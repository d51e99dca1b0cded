#pragma once
// Turns a key press into the input string the command dispatch understands: printable
// characters as typed; Ctrl+letter as codes 1 .. 26; Tab 9, Enter 13, Backspace 8, Esc 27;
// extended keys (arrows, Home, End, PgUp, PgDn, F1 .. F12, Alt+letter, Alt+Up, Alt+Down) as the
// character 0 followed by the key's code.

#include <string>

namespace lenvari {

// Extended key codes, the second character after the 0.
namespace keycode {
constexpr int Up = 72, Down = 80, Left = 75, Right = 77;
constexpr int Home = 71, End = 79, PgUp = 73, PgDn = 81;
constexpr int F1 = 59, F10 = 68, F11 = 87, F12 = 88;
constexpr int AltUp = 152, AltDown = 160, AltLeft = 155, AltRight = 157;
}  // namespace keycode

// The input strings of the control keys the program acts on.
inline constexpr const char* kEnterKey = "\r";
inline constexpr const char* kEscKey = "\x1b";

// The two-character input string of an extended key.
std::string ExtendedKey(int code);
// The one-character input string of Ctrl+letter (letter in upper or lower case).
std::string CtrlKey(char letter);
// Code of an Alt+letter key (the letter's keyboard scan code: Alt+S is 31, Alt+P 25, ...);
// 0 for a character that is not a letter.
int AltLetterCode(char letter);

struct KeyPress {
  int qtKey = 0;          // Qt::Key value
  bool ctrl = false;
  bool alt = false;
  bool shift = false;
  std::string text;       // the text the key types, UTF-8 ("" for non-printing keys)
};

// The input string for a key press, "" for keys the program does not use (lone modifiers).
std::string TranslateKey(const KeyPress& key);

}  // namespace lenvari
