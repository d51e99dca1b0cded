#pragma once
// The console's menu bar: a browsable copy of the quick keys. Each menu is one definition text
// for the console host (items separated by "|": "label=id" a command, "label>n" a submenu, "-" a
// separator, "^" a column break, backslash-t before a key hint).

#include <string>
#include <vector>

#include "app/ProgramContext.h"
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

struct MenuText {
  int number;
  std::string definition;
};

// Every menu in the order it is defined: 1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 14 .. 22. The size
// labels follow `acuityBase`; the Chart menu names the letter-set files.
std::vector<MenuText> MenuDefinitions(const LetterSets& letters, int acuityBase);

// Defines every menu with the console host; a menu it refuses is reported on the console
// ("ERROR IN MENU 5") and the others go on.
void BuildMenus(ProgramContext& context);

}  // namespace lenvari
