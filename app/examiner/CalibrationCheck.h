#pragma once
// The checks that demand a calibration, and the calibration run with the real windows.

#include "app/loop/ProgramContext.h"

namespace lenvari {

// The calibration square on the current monitor, in a window of its own; the scales are saved
// and the monitor they were made on is remembered. `monitorChanged`: asked because the monitor
// is not the one the present scales were made on.
void RunCalibrationScreen(ProgramContext& context, bool monitorChanged = false);

// What follows a calibration: the chart window (re)opened, preset 1 recalled, the window
// activated and the chart drawn.
void RecallPresetOneAndDraw(ProgramContext& context);

// What the present monitor m has changed since its calibration ("" when nothing), and the
// remembering of the present monitor as the one calibrated.
std::string MonitorChangeText(const State& state, int m);
void RememberCalibratedScreen(State& state, int m);

// After a change of patient monitor: calibration when the resolution changed, a scale is
// below 10, or the monitor, its display scaling or its rotation is not the calibrated one; then the monitor data saved, the chart window reopened, preset 1 recalled and drawn.
// `askDistance`: the calibration starts with the distance dialog (the examiner switched
// monitors with Ctrl+A; the configuration dialog has its own distance box).
void CheckCalibration(ProgramContext& context, bool askDistance = false);

// At the entry of the input loop: calibration when the resolution changed, a scale is below
// 25, or the monitor is not the calibrated one, with the distance dialog first; then the chart window reopened and preset 1 drawn.
// True when it ran (and drew the chart). `LoopEntryCalibrationDue` tells beforehand whether
// it will.
bool LoopEntryCalibrationCheck(ProgramContext& context);
bool LoopEntryCalibrationDue(const State& state);

}  // namespace lenvari
