#pragma once
// When the screen must be calibrated again: a monitor never calibrated (scales too small) or a
// patient monitor whose resolution differs from the one it was calibrated at.

#include <string>

#include "store/Monitors.h"

namespace lenvari {

// The smallest scale each check accepts: the check at the start of the input loop is stricter
// than the one after a change of patient monitor.
constexpr int kLoopEntryCalibrationMinimum = 25;
constexpr int kMonitorChangeCalibrationMinimum = 10;

// Sets `ScreenWidth`(m) and `ScreenHeight`(m) from `MonitorRect`(m).
void MeasureScreen(Monitors& monitors, int m);

// True when the saved rectangle of monitor m has another width or height than the screen.
bool ScreenResolutionChanged(const Monitors& monitors, int m);

// True when the resolution changed or either scale of monitor m is below `minimumScale`.
bool CalibrationRequired(const Monitors& monitors, int m, int minimumScale);

// The "Calibration Required" box (exclamation icon, OK), with the console's line breaks.
std::string CalibrationRequiredMessage();

}  // namespace lenvari
