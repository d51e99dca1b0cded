#pragma once
// The control window's menu bar, built from definition texts (`ParseMenuDefinition`); a chosen
// item waits until the input wait takes it.

#include <string>

namespace lenvari {

// A chosen menu item: the number of the menu it sits in and its command id (0: none).
struct MenuChoice {
  int menu = 0;
  int id = 0;
};

class ConsoleMenuBar {
 public:
  virtual ~ConsoleMenuBar() = default;

  // Defines menu `number` from its definition text; returns 0 when the text was understood.
  virtual int MenuDefinition(int number, const std::string& definition) = 0;
  // The menu items chosen and not yet taken, oldest first; taking one removes it.
  virtual MenuChoice TakeMenuChoice() = 0;
  // Chooses the item with command id `id` of menu `menu` as a click on it would (menu 0: the
  // lowest-numbered menu holding that id). False when the menu bar has no such item.
  virtual bool ChooseMenuItem(int menu, int id) = 0;
  // Hides or shows the menu bar; while it is hidden the window offers a way to show it again.
  virtual void ShowMenuBar(bool shown) = 0;
};

}  // namespace lenvari
