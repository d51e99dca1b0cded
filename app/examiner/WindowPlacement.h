#pragma once
// Where the program's windows go. With two or more monitors nothing but the chart stands on the
// patient monitor: the control window, its dialogs and message boxes, the monitor window, the
// virtual remote and the About box go on the examiner's monitors. A place on the patient
// monitor, or off every monitor, is moved onto the examiner's monitor; a place elsewhere is
// kept. With one monitor everything shares it, the dialogs above the chart.
//
// All places are in device pixels of the desktop.

#include <optional>
#include <vector>

#include "app/loop/ProgramContext.h"

namespace lenvari {

// Room the window frame needs around the client area, in pixels: the title bar above, a border
// on the other sides.
constexpr int kFrameTitleAllowance = 40;
constexpr int kFrameBorderAllowance = 8;

struct MonitorBox {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const MonitorBox&) const = default;
};

// The monitors the examiner's windows may stand on: every present monitor but the patient's
// (none while it is disconnected), or the patient's alone when no other is there.
std::vector<MonitorBox> ExaminerMonitors(const std::vector<MonitorBox>& present,
                                         const std::optional<MonitorBox>& patient);
// The same for the monitors as `Monitors` lists them, `CurrentMonitor` the patient's.
std::vector<MonitorBox> ExaminerMonitors(const Monitors& monitors);
// The same for the desktop as the window system shows it now.
std::vector<MonitorBox> ExaminerMonitors(const ProgramContext& context);

// A window's place on the `allowed` monitors: `wanted` when the whole window, frame included,
// lies on one of them; otherwise its size as far as it fits, its corner pulled onto the allowed
// monitor that holds it, or centred on the first allowed monitor (the default size when
// nothing is wanted).
WindowPlace PlaceOnMonitors(const std::vector<MonitorBox>& allowed,
                            const std::optional<WindowPlace>& wanted, int defaultWidth,
                            int defaultHeight);

// The place of a window the examiner may have put partly off its monitor (the monitor window,
// the virtual remote): kept while its corner and its centre stand on allowed monitors, else as
// PlaceOnMonitors puts it.
WindowPlace KeepOnMonitors(const std::vector<MonitorBox>& allowed, const WindowPlace& now);

// After the monitors or their roles changed (Ctrl+A, a monitor switched off or on): the
// control window, the monitor window and the virtual remote are moved off the chart where they
// stand on it or on no monitor; windows already on an examiner's monitor stay where they are.
void KeepWindowsOffChart(ProgramContext& context);

// The monitor window's stored place of the current monitor, moved off the chart where needed.
// True when it changed.
bool KeepMonitorWindowOffChart(ProgramContext& context);

}  // namespace lenvari
