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

// The window system's key numbers the program tells apart. They are the toolkit's own numbers
// (the Qt backends pass them through unchanged and check that they agree); printable ASCII
// keys are numbered by their upper-case character.
namespace windowkey {
constexpr int Space = 0x20, A = 0x41, Z = 0x5a;
constexpr int Escape = 0x01000000, Tab = 0x01000001, Backspace = 0x01000003;
constexpr int Return = 0x01000004, Enter = 0x01000005;
constexpr int Home = 0x01000010, End = 0x01000011, Left = 0x01000012, Up = 0x01000013;
constexpr int Right = 0x01000014, Down = 0x01000015, PageUp = 0x01000016, PageDown = 0x01000017;
constexpr int Shift = 0x01000020, Control = 0x01000021, Meta = 0x01000022, Alt = 0x01000023;
constexpr int CapsLock = 0x01000024, NumLock = 0x01000025;
constexpr int F1 = 0x01000030, F10 = 0x01000039, F11 = 0x0100003a, F12 = 0x0100003b;
constexpr int AltGr = 0x01001103;
}  // namespace windowkey

struct KeyPress {
  int windowKey = 0;      // a `windowkey` number
  bool ctrl = false;
  bool alt = false;
  bool shift = false;
  std::string text;       // the text the key types, UTF-8 ("" for non-printing keys)
};

// The input string for a key press, "" for keys the program does not use (lone modifiers).
std::string TranslateKey(const KeyPress& key);

}  // namespace lenvari
