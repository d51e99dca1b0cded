#pragma once
// The quick-key table: the program's whole command vocabulary. Every input string of the input
// wait is looked up here; the first matching row is carried out.

#include <string>

#include "app/loop/ProgramContext.h"

namespace lenvari {

struct DispatchResult {
  bool redraw = false;    // draw the chart at the end of the pass
  bool endPass = false;   // end the pass at once, without showing anything ("q")
};

DispatchResult DispatchQuickKey(ProgramContext& context, const std::string& input);

}  // namespace lenvari
