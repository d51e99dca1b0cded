#pragma once
// The checks that demand a calibration, and the calibration run with the real windows.

#include "app/ProgramContext.h"

namespace lenvari {

// The calibration square on the current monitor, in a window of its own; the scales are saved.
void RunCalibrationScreen(ProgramContext& context);

// After a change of patient monitor: calibration when the resolution changed or a scale is
// below 10; then the monitor data saved, the chart window reopened, preset 1 recalled and drawn.
void CheckCalibration(ProgramContext& context);

// At the entry of the input loop: calibration when the resolution changed or a scale is below
// 25, with the distance dialog first; then the chart window reopened and preset 1 drawn.
// True when it ran (and drew the chart).
bool LoopEntryCalibrationCheck(ProgramContext& context);

}  // namespace lenvari
