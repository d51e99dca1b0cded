#pragma once
// The virtual remote's window as the input loop and the configuration dialog start and close it.

#include "app/ProgramContext.h"

namespace lenvari {

// Opens the virtual remote beside the chart; its buttons write `VirtualRemoteCommand`.
void StartVirtualRemote(ProgramContext& context);
// Closes the window titled "Virtual Remote" if there is one.
void CloseVirtualRemote(ProgramContext& context);

}  // namespace lenvari
