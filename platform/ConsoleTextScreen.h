#pragma once
// The control window's 80-column text screen: shown while something is printed on it, gone
// again when it is cleared.

#include <string>

namespace lenvari {

class ConsoleTextScreen {
 public:
  virtual ~ConsoleTextScreen() = default;

  // Empties the text screen and makes it 80 columns by `lines` lines.
  virtual void Console80x(int lines) = 0;
  // Appends the text as it stands ("\n" ends a line), showing the screen.
  virtual void Print(const std::string& text) = 0;
  // Empties and hides the screen; the window takes back the size it had before.
  virtual void ClearScreen() = 0;
};

}  // namespace lenvari
