#pragma once
// The screen calibration: the examiner sizes a black square on the patient monitor until it
// measures, with a ruler, the height of a 20/200 letter (50 minutes of arc) at the test
// distance. The square's size in pixels becomes `MasterScaleX` / `MasterScaleY` of the monitor.
//
// The pieces here are pure (text, drawing onto a Canvas, key handling); the procedure that asks
// the examiner around them is the application's (app/examiner/ScreenCalibration.h).

#include <string>

#include "store/Monitors.h"
#include "store/Settings.h"

namespace lenvari {

class Canvas;

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

// The question asked when a confirmed square is far from the size the monitor reports, with the
// console's line breaks.
std::string MeasureAgainMessage(int scaleX, int scaleY, int physicalX, int physicalY, double side);

}  // namespace lenvari
