#include "render/DistanceRescale.h"

#include <algorithm>

#include "common/NumberText.h"
#include "render/CalibrationScreen.h"

namespace lenvari {
namespace {

constexpr double kFeetPerMetre = 3.28084;

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

double TestDistanceFeet(const std::string& testDistance) {
  const double number = LeadingNumber(testDistance);
  return EndsWith(testDistance, "feet") ? number : number * kFeetPerMetre;
}

bool RescaleForDistance(Monitors& monitors, int m, const std::string& before,
                        const std::string& after) {
  if (m < 1 || m > kMaxMonitors) return false;
  const double from = TestDistanceFeet(before), to = TestDistanceFeet(after);
  if (!(from > 0) || !(to > 0) || from == to) return false;
  int& x = monitors.MasterScaleX[m];
  int& y = monitors.MasterScaleY[m];
  if (x < kMinimumCalibrationScale || y < kMinimumCalibrationScale) return false;
  const double factor = to / from;
  x = std::max(1, static_cast<int>(RoundHalfEven(x * factor)));
  y = std::max(1, static_cast<int>(RoundHalfEven(y * factor)));
  return true;
}

}  // namespace lenvari
