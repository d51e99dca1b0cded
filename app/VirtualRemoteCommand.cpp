#include "app/VirtualRemoteCommand.h"

namespace lenvari {

// The window is not there yet: nothing opens and nothing needs closing.
void StartVirtualRemote(ProgramContext&) {}

void CloseVirtualRemote(ProgramContext&) {}

}  // namespace lenvari
