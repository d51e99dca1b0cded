#pragma once
// The examiner's control window: where it goes, keeping the place the examiner gives it, and
// the live status of what the patient sees.

#include <optional>
#include <string>

#include "app/loop/ProgramContext.h"
#include "app/examiner/WindowPlacement.h"

namespace lenvari {
// Client size of a control window that has no place yet.
constexpr int kDefaultControlWidth = 760;
constexpr int kDefaultControlHeight = 160;

// Where the control window belongs. With two or more monitors it goes on one that is not the
// patient's (`CurrentMonitor`); with one, on that one (behind the chart). `wanted` is kept when
// the whole window fits on such a monitor; otherwise its size is kept as far as it fits, its
// corner pulled onto the monitor it is on, or the window is centred on the first such monitor.
WindowPlace ChooseControlWindowPlace(const Monitors& monitors,
                                     const std::optional<WindowPlace>& wanted);

// Places the control window at start: where it was left last time, as far as the monitors
// present allow.
void PlaceControlWindowAtStart(ProgramContext& context);
// After a change of patient monitor, or of the monitors present: moves the control window only
// when it now stands on the patient's monitor or on none, and tells the host which monitor is
// the patient's.
void KeepControlWindowOffChart(ProgramContext& context);
// Saves the control window's place once it has stood still for a moment after the examiner
// moved or resized it.
void KeepControlWindowPlace(ProgramContext& context);

// One compact status text of the chart state: mode, size in the chosen notation, letter-set
// file and line, shutters, contrast, preset, mirror, a measured display gamma (`gammaByEye`: it
// was matched by eye), and `typedDigits` while a Snellen denominator is being typed.
std::string LiveStatusText(const State& state, const std::string& typedDigits, bool gammaByEye = false);
void ShowLiveStatus(ProgramContext& context, const std::string& typedDigits = "");

}  // namespace lenvari
