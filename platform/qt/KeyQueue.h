#pragma once
// The keys a window has received and not yet handed to the input wait, with the modifier
// state of the last one. Shared by the console and the canvas windows.

#include <string>

class QKeyEvent;

namespace lenvari {

struct KeyQueue {
  std::string keys;
  int altDown = 0;
  int ctrlDown = 0;

  // Appends the key's input string; lone modifier keys add nothing.
  void Receive(const QKeyEvent& event);
};

}  // namespace lenvari
