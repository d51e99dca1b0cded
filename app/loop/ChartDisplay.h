#pragma once
// The chart window on the patient monitor and the frames shown in it.

#include <string>

#include "app/loop/ProgramContext.h"

namespace lenvari {

// Sets `ChartWidth`/`ChartHeight` for the current monitor and the chart scale on the canvas:
// origin at the centre, 1000 units = the monitor's scale in pixels, y growing downwards.
void ApplyChartScale(Monitors& monitors, Canvas& canvas);

// Closes the chart window if one is open and opens a frameless one exactly covering the
// current monitor, with its canvas; the examiner's windows move only if they stand on that
// monitor. While the patient monitor is disconnected the window is made but not shown.
void OpenChartWindow(ProgramContext& context);
void CloseChartWindow(ProgramContext& context);
// The window system's name of the monitor whose corner is the device point, or "".
std::string MonitorNameAt(int left, int top);

// Draws the whole frame from the chart state and shows it.
void DrawChartFrame(ProgramContext& context);
// Shows the canvas as it is in the chart window, writes the frame files of a --frames run and
// refreshes the monitor window.
void PresentChart(ProgramContext& context);

}  // namespace lenvari
