#pragma once
// The calibration procedure: the explanation box, the square on the patient monitor until the
// examiner confirms its size, and the saved scales. The pieces it is made of (text, drawing,
// keys) are in render/CalibrationScreen.h and render/CalibrationScreenCheck.h.

#include <functional>
#include <optional>
#include <utility>

#include "render/CalibrationScreen.h"
#include "store/Monitors.h"
#include "store/Settings.h"

namespace lenvari {

class ConsoleBoxes;

// The services the procedure needs from the application. Every member must be set except
// `rebuildGalleries`, which is skipped while empty.
struct CalibrationScreenHost {
  std::function<void()> closeChartWindow;
  std::function<void(const CalibrationWindowPlacement&)> openCalibrationWindow;
  // Shows the frame in the calibration window (the canvas has the window's client size).
  std::function<void(Canvas&)> presentCalibrationWindow;
  // The next input string, as the input loop's wait delivers it.
  std::function<std::string()> waitForInput;
  std::function<void()> closeCalibrationWindow;
  std::function<void()> saveConfiguration;
  std::function<void()> rebuildGalleries;
};

// What is known of the monitor beyond its pixels. `physical`: the square's size in pixels that
// the monitor's believable reported size implies. `monitorChanged`: the calibration is asked
// because the monitor is not the one the present scales were made on.
struct CalibrationHints {
  std::optional<std::pair<int, int>> physical;
  bool monitorChanged = false;
};
// A confirmed square further than this from the one the reported size implies is asked about.
constexpr double kPhysicalSizeTolerance = 0.10;

// Runs the calibration of monitor `CurrentMonitor` with its `TestDistance`: the explanation
// box, the square until Enter or ".", then the new scales are saved. Escape leaves a monitor
// that had a valid calibration (both scales kMinimumCalibrationScale or more) as it was:
// previous scales, nothing saved; on a first calibration it is ignored, as there is nothing
// to go back to. True when a size was confirmed. The caller reopens the chart window afterwards.
// A believable reported size starts a first calibration (or one on a changed monitor) at the
// square it implies instead of kDefaultCalibrationScale, and a confirmed square more than
// kPhysicalSizeTolerance away from it is asked about: "Measure again" goes back to the square,
// "Keep" stores it.
bool CalibrateScreen(ConsoleBoxes& boxes, Monitors& monitors, const Settings& settings,
                     const CalibrationScreenHost& host, const CalibrationHints& hints = {});

// The "Calibration Required" box (exclamation icon, OK).
void ShowCalibrationRequired(ConsoleBoxes& boxes);

}  // namespace lenvari
