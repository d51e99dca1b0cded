#pragma once
// The configuration dialog run from the chart (Ctrl+C, a click in the chart's top-right
// corner) and the settings it changes applied.

#include "app/loop/ProgramContext.h"

namespace lenvari {

void RunConfigurationDialog(ProgramContext& context);

}  // namespace lenvari
