#pragma once
// The list of quick keys, shown in a dialog until the examiner closes it ("q").

#include "app/loop/ProgramContext.h"

namespace lenvari {

void ShowQuickKeyList(ProgramContext& context);

}  // namespace lenvari
