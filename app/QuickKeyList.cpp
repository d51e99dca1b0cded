#include "app/QuickKeyList.h"

namespace lenvari {

// The dialog is not there yet.
void ShowQuickKeyList(ProgramContext&) {}

}  // namespace lenvari
