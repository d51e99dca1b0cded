#pragma once
// The grammar of a menu definition text: items separated by "|"; "label=id" is a command,
// "label>n" opens menu n, "-" a separator, "^" a column break; a tab inside a label separates
// the item text from its key hint. An item may be followed directly by "-" (a separator after
// it) as in "Display Astigmatism Target\t[a]=701-".

#include <string>
#include <vector>

namespace lenvari {

struct MenuItemDefinition {
  enum class Kind { Command, Submenu, Separator, ColumnBreak };
  Kind kind = Kind::Command;
  std::string text;  // item text before the tab
  std::string hint;  // key hint after the tab
  int number = 0;    // command id or submenu number
};

// Parses a definition; false when an item is neither of the four forms.
bool ParseMenuDefinition(const std::string& definition, std::vector<MenuItemDefinition>& items);

}  // namespace lenvari
