#include "app/commands/QuickKeyList.h"

#include "dialogs/LenvariDLL.h"

namespace lenvari {

void ShowQuickKeyList(ProgramContext&) { SHOWQUICKKEYS(0); }

}  // namespace lenvari
