#pragma once
// A key script for a non-interactive run. Characters are typed as themselves; "{{" is a brace;
// "{Name}" is a named input: {Enter} {Esc} {Tab} {Backspace} {Space} {Up} {Down} {Left}
// {Right} {Home} {End} {PgUp} {PgDn} {F1}..{F12}, {Ctrl+A}..{Ctrl+Z}, {Ctrl+F1}..{Ctrl+F12},
// {Alt+S} and the other Alt letters, {Alt+Up} {Alt+Down}, {Click:X,Y} (a click on the chart at
// chart units X,Y), {Remote:TEXT} (the virtual remote writes TEXT), {Burst:TEXT} (a remote
// receiver types TEXT in one burst), {Menu:N} and {Menu:M/N} (the menu item with command id N,
// of menu number M where an id is doubled, chosen through its real action), {Wait:S} (no input
// for S seconds).

#include <optional>
#include <string>
#include <vector>

#include "platform/KeyTranslation.h"

namespace lenvari {

struct ScriptStep {
  enum class Kind { Keys, Click, Remote, Menu, Wait };
  Kind kind = Kind::Keys;
  std::vector<KeyPress> keys;  // Keys: one key, or every key of a burst
  double x = 0, y = 0;         // Click: chart units
  std::string text;            // Remote: the text written
  double seconds = 0;          // Wait
  int menu = 0, id = 0;        // Menu: menu number (0: any) and command id
};

// The steps of a script, or nothing with `error` set when the script cannot be read.
std::optional<std::vector<ScriptStep>> ParseKeyScript(const std::string& script,
                                                      std::string& error);

// The key press that types one character.
KeyPress CharacterKey(char c);

}  // namespace lenvari
