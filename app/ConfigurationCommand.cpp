#include "app/ConfigurationCommand.h"

namespace lenvari {

// The dialog is not there yet: the settings stay as they are.
void RunConfigurationDialog(ProgramContext&) {}

}  // namespace lenvari
