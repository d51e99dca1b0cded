#include "app/examiner/ScreenCalibration.h"

#include <algorithm>
#include <cstdlib>

#include "platform/qtgui/Canvas.h"
#include "platform/ConsoleHost.h"
#include "render/CalibrationScreenCheck.h"

namespace lenvari {

namespace {

bool FarFrom(int scale, int expected) {
  return expected > 0 && std::abs(scale - expected) > kPhysicalSizeTolerance * expected;
}

}  // namespace

bool CalibrateScreen(ConsoleBoxes& boxes, Monitors& monitors, const Settings& settings,
                     const CalibrationScreenHost& host, const CalibrationHints& hints) {
  const int m = monitors.CurrentMonitor;
  const double side = CalibrationSide(settings.TestDistance[m]);
  boxes.ConsoleMessageBox(CalibrationMessage(side), kMbIconQuestion, "Calibrate");
  host.closeChartWindow();

  const int screenWidth = monitors.ScreenWidth[m];
  const int screenHeight = monitors.ScreenHeight[m];
  const MonitorRectangle& rect = monitors.MonitorRect[m];
  const CalibrationWindowPlacement placement{"Calibrate", rect[1], rect[2],
                                             std::max(1, screenWidth), std::max(1, screenHeight)};
  host.openCalibrationWindow(placement);
  Canvas canvas(placement.clientWidth, placement.clientHeight);

  int& scaleX = monitors.MasterScaleX[m];
  int& scaleY = monitors.MasterScaleY[m];
  const int previousX = scaleX, previousY = scaleY;
  // An examiner who opened the screen by mistake, or who finds the old square still right,
  // must not be forced to store whatever size the square has when the keys stop.
  const bool canKeepPrevious =
      previousX >= kMinimumCalibrationScale && previousY >= kMinimumCalibrationScale;
  const bool uncalibrated = scaleX < kMinimumCalibrationScale || scaleY < kMinimumCalibrationScale;
  if (hints.physical && (uncalibrated || hints.monitorChanged)) {
    scaleX = hints.physical->first;
    scaleY = hints.physical->second;
  } else if (uncalibrated) {
    scaleX = kDefaultCalibrationScale;
    scaleY = kDefaultCalibrationScale;
  }
  for (;;) {
    DrawCalibrationScreen(canvas, screenWidth, screenHeight, scaleX, scaleY, side,
                          canKeepPrevious);
    host.presentCalibrationWindow(canvas);
    const std::string key = host.waitForInput();
    if (key == kCalibrationEscape) {
      if (!canKeepPrevious) continue;
      scaleX = previousX;
      scaleY = previousY;
      host.closeCalibrationWindow();
      return false;
    }
    if (!ApplyCalibrationKey(key, scaleX, scaleY)) continue;
    if (hints.physical && (FarFrom(scaleX, hints.physical->first) ||
                           FarFrom(scaleY, hints.physical->second))) {
      const int answer = boxes.ConsoleChoice(
          MeasureAgainMessage(scaleX, scaleY, hints.physical->first, hints.physical->second, side),
          "Calibrate", {"Measure again", "Keep"});
      if (answer != 1) continue;
    }
    break;
  }

  host.closeCalibrationWindow();
  host.saveConfiguration();
  if (host.rebuildGalleries) host.rebuildGalleries();
  return true;
}

void ShowCalibrationRequired(ConsoleBoxes& boxes) {
  boxes.ConsoleMessageBox(CalibrationRequiredMessage(), kMbIconExclamation,
                          "Calibration Required");
}

}  // namespace lenvari
