#include "app/MonitorWindowCommand.h"

namespace lenvari {

// The window is not there yet; closing drops whatever stands in for it.
void OpenMonitorWindow(ProgramContext&) {}

void CloseMonitorWindow(ProgramContext& context) {
  if (context.monitorWindow) context.monitorWindow->Close();
  context.monitorWindow.reset();
  context.monitorCanvas.reset();
}

}  // namespace lenvari
