#pragma once
// The console's menu bar: a browsable copy of the quick keys. One table holds every menu's
// entries with what choosing each item does; the console host gets each menu as one definition
// text (items separated by "|": "label=id" a command, "label>n" a submenu, "-" a separator, "^"
// a column break, backslash-t before a key hint), and the input wait looks the chosen item up
// in the same table.

#include <string>
#include <vector>

#include "app/loop/ProgramContext.h"
#include "store/LetterSets.h"

namespace lenvari {

// The Snellen sizes the size menus offer: the denominator of the 20-foot fraction and the
// item's id above its menu's base (300 for the Size menu).
struct MenuSize {
  int denominator;
  int offset;
};
inline constexpr MenuSize kMenuSizes[] = {{10, 2},  {15, 3},  {20, 4},  {25, 5},  {30, 6},
                                          {40, 8},  {50, 10}, {60, 12}, {80, 16}, {100, 20},
                                          {150, 30}, {200, 50}, {300, 60}, {400, 80}};

// The company's own web page, offered in the File menu.
inline constexpr const char* kCompanyAddress = "https://www.lenvari.com";

// One entry of a menu and, for a command item, what choosing it does.
struct MenuEntry {
  enum class Kind { Command, Submenu, Separator, ColumnBreak };
  Kind kind = Kind::Command;
  std::string label;
  int id = 0;                     // the command id, or the submenu's number
  std::string key;                // the quick key's input the item hands over ("" for none)
  bool ctrl = false;              // the key is pressed with Ctrl held (the Save to F1 .. F12)
  bool own = false;               // an action of its own, carried out by `RunMenuCommand`
  bool separatorAfterId = false;  // "-" written straight after the id (the first two of menu 7)
};

struct Menu {
  int number;
  std::vector<MenuEntry> entries;
};

// Every menu in the order it is defined: 1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 14 .. 22. The size
// labels follow `acuityBase`; the Chart menu names the letter-set files.
std::vector<Menu> MenuTable(const LetterSets& letters, int acuityBase);

// Command item `id` of menu `menu`, null when the menu has none. (The same id may stand in two
// menus: 180 is the web page in menu 2 and the recall of preset 30 in menu 11.)
const MenuEntry* FindMenuCommand(int menu, int id);

struct MenuText {
  int number;
  std::string definition;
};

// The table as the console host's definition texts.
std::vector<MenuText> MenuDefinitions(const LetterSets& letters, int acuityBase);

// Defines every menu with the console host; a menu it refuses is reported on the console
// ("ERROR IN MENU 5") and the others go on.
void BuildMenus(ProgramContext& context);

}  // namespace lenvari
