#pragma once
// The screen calibration: the examiner sizes a black square on the patient monitor until it
// measures, with a ruler, the height of a 20/200 letter (50 minutes of arc) at the test
// distance. The square's size in pixels becomes `MasterScaleX` / `MasterScaleY` of the monitor.
//
// The pieces are pure (text, drawing onto a Canvas, key handling); `CalibrateScreen` runs the
// whole procedure through `CalibrationScreenHost`, which the application fills with its real
// windows and input wait and tests fill with fakes.

#include <functional>
#include <optional>
#include <string>

#include "store/Monitors.h"
#include "store/Settings.h"

namespace lenvari {

class Canvas;
class ConsoleHost;

// Scales below this are treated as never calibrated: the square then starts at
// kDefaultCalibrationScale pixels.
constexpr int kMinimumCalibrationScale = 25;
constexpr int kDefaultCalibrationScale = 343;

// The side the square must measure, in centimetres rounded to two decimals: the height of a
// 50-arc-minute object at the test distance ("20 feet" -> 8.87, "6 meters" -> 8.73). A text
// that does not end in "feet" counts as meters; a text without a number gives 0.
double CalibrationSide(const std::string& testDistance);
// The side as the screens write it, in the "##.##" mask (" 8.87").
std::string CalibrationSideText(double side);

// The explanation shown in the console's message box before the square appears (with the
// console host's backslash-n line breaks).
std::string CalibrationMessage(double side);
// The red lines at the top of the calibration window: what to do, and what the keys do.
std::string CalibrationPrompt(double side);
std::string CalibrationKeysLine(bool canKeepPrevious);

// One frame of the calibration window: white, the black square of scaleX x scaleY pixels
// centred on the screen of screenWidth x screenHeight pixels, and the prompt line. The canvas
// is in plain pixels (the window's client area, origin top left).
void DrawCalibrationScreen(Canvas& canvas, int screenWidth, int screenHeight, int scaleX,
                           int scaleY, double side, bool canKeepPrevious = false);

// The input that leaves the calibration as it was.
inline constexpr const char* kCalibrationEscape = "\x1b";

// Acts on one input string: arrows (and the remote's "!", "@", "#", "$") change one axis,
// "+" / "-" both, by one pixel, never below 1. Returns true for Enter or ".", which end the
// calibration.
bool ApplyCalibrationKey(const std::string& key, int& scaleX, int& scaleY);

// Where the calibration window goes: its desktop position and its size in pixels, the whole
// patient monitor (the window is frameless and full screen, like the chart).
struct CalibrationWindowPlacement {
  std::string caption;
  int left = 0;
  int top = 0;
  int clientWidth = 0;
  int clientHeight = 0;
};

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

// The question asked then, with the console's line breaks.
std::string MeasureAgainMessage(int scaleX, int scaleY, int physicalX, int physicalY, double side);

// Runs the calibration of monitor `CurrentMonitor` with its `TestDistance`: the explanation
// box, the square until Enter or ".", then the new scales are saved. Escape leaves a monitor
// that had a valid calibration (both scales kMinimumCalibrationScale or more) as it was:
// previous scales, nothing saved; on a first calibration it is ignored, as there is nothing
// to go back to. True when a size was confirmed. The caller reopens the chart window afterwards.
// A believable reported size starts a first calibration (or one on a changed monitor) at the
// square it implies instead of kDefaultCalibrationScale, and a confirmed square more than
// kPhysicalSizeTolerance away from it is asked about: "Measure again" goes back to the square,
// "Keep" stores it.
bool CalibrateScreen(ConsoleHost& console, Monitors& monitors, const Settings& settings,
                     const CalibrationScreenHost& host, const CalibrationHints& hints = {});

}  // namespace lenvari
