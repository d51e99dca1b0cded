#include "app/QuickKeys.h"

namespace lenvari {

DispatchResult DispatchQuickKey(ProgramContext&, const std::string&) { return {}; }

}  // namespace lenvari
