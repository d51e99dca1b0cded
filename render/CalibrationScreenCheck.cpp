#include "render/CalibrationScreenCheck.h"

#include <cstdlib>


namespace lenvari {
namespace {

int RectWidth(const MonitorRectangle& r) { return std::abs(r[3] - r[1]); }
int RectHeight(const MonitorRectangle& r) { return std::abs(r[4] - r[2]); }

}  // namespace

void MeasureScreen(Monitors& monitors, int m) {
  monitors.ScreenHeight[m] = RectHeight(monitors.MonitorRect[m]);
  monitors.ScreenWidth[m] = RectWidth(monitors.MonitorRect[m]);
}

bool ScreenResolutionChanged(const Monitors& monitors, int m) {
  const MonitorRectangle& saved = monitors.SavedMonitorRect[m];
  return RectHeight(saved) != monitors.ScreenHeight[m] ||
         RectWidth(saved) != monitors.ScreenWidth[m];
}

bool CalibrationRequired(const Monitors& monitors, int m, int minimumScale) {
  return ScreenResolutionChanged(monitors, m) || monitors.MasterScaleX[m] < minimumScale ||
         monitors.MasterScaleY[m] < minimumScale;
}

std::string CalibrationRequiredMessage() {
  return std::string(
             "It appears that this is either a new installation or your screen resolution has "
             "changed.\\n\\n") +
         "Calibration is now required.";
}

}  // namespace lenvari
