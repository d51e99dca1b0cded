#pragma once
// The chart window on the patient monitor and the frames shown in it.

#include "app/ProgramContext.h"

namespace lenvari {

// Sets `ChartWidth`/`ChartHeight` for the current monitor and the chart scale on the canvas:
// origin at the centre, 1000 units = the monitor's scale in pixels, y growing downwards.
void ApplyChartScale(Monitors& monitors, Canvas& canvas);

// Closes the chart window if one is open and opens a frameless one exactly covering the
// current monitor, with its canvas; the control window moves only if it stands on that monitor.
void OpenChartWindow(ProgramContext& context);
void CloseChartWindow(ProgramContext& context);

// Draws the whole frame from the chart state and shows it.
void DrawChartFrame(ProgramContext& context);
// Shows the canvas as it is in the chart window, writes the frame files of a --frames run and
// refreshes the monitor window.
void PresentChart(ProgramContext& context);

}  // namespace lenvari
