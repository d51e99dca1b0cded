#pragma once
// What a chosen menu item does. An item whose label names a quick key arrives at the input wait
// as that key's input string and runs through the same quick-key row; the other items arrive as
// an input of their own ("Menu:M/N", menu M, command id N) that `RunMenuCommand` carries out.

#include <string>

#include "app/loop/ProgramContext.h"

namespace lenvari {

struct MenuItemInput {
  std::string input;  // "" for an item without an action
  bool ctrl = false;  // the key is pressed with Ctrl held (the Save to F1 .. F12 items)
};

// The input a chosen item hands to the input wait.
MenuItemInput MenuInput(int menu, int id);

// True for the own input of a menu item.
bool IsMenuCommandInput(const std::string& input);

// Carries out an item's own input; true when the chart must be drawn again.
bool RunMenuCommand(ProgramContext& context, const std::string& input);

}  // namespace lenvari
