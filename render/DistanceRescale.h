#pragma once
// The calibration after a change of the optical test distance. The square measured at the last
// calibration fixed the screen's pixels per centimetre, which the distance does not change: at
// another distance 50 minutes of arc span new / old times as many pixels (half the distance,
// half the pixels), so both scales follow the distance exactly, without measuring again.

#include <string>

#include "store/Monitors.h"

namespace lenvari {

// The test distance in feet: its leading number, times 3.28084 unless the text ends in "feet"
// (the rule of the calibration square). 0 for a text without a number.
double TestDistanceFeet(const std::string& testDistance);

// Scales monitor m's `MasterScaleX` / `MasterScaleY` by after / before distance (rounded, ties
// to even, never below 1). Nothing changes, and false is returned, when either distance has no
// positive number, the two are the same length, or the monitor was never calibrated (a scale
// below the calibration's minimum: the square will be measured anyway).
bool RescaleForDistance(Monitors& monitors, int m, const std::string& before,
                        const std::string& after);

}  // namespace lenvari
