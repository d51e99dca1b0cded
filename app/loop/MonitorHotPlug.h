#pragma once
// Monitors switched off and on while the program runs (a television or projector on HDMI
// leaves the desktop when it is powered down).
//
// The patient monitor gone: the chart window is hidden, never moved onto another monitor; the
// control window says so, and keys and the remote keep changing the chart. A monitor coming back
// where it was: the chart returns full screen on it with its calibration when it is the monitor
// the calibration was made on, and the calibration is asked for otherwise. Any other change
// moves the examiner's windows off the chart and onto monitors that are there.

#include "app/loop/ProgramContext.h"

namespace lenvari {

// One look of the input wait: nothing happens unless the monitors changed since the last look.
void WatchMonitors(ProgramContext& context);

}  // namespace lenvari
