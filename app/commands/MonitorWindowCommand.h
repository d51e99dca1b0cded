#pragma once
// The examiner's small window that tells what the patient monitor shows ("k").

#include "app/loop/ProgramContext.h"

namespace lenvari {

// Opens the monitor window at the current monitor's stored place and size (made reachable and
// checked against the window font first) and saves the settings. The console window stays where
// the examiner put it: it is the examiner's control window, not something to hide.
void OpenMonitorWindow(ProgramContext& context);
// Closes it; the chart window is the drawing target afterwards.
void CloseMonitorWindow(ProgramContext& context);
// Rewrites the window's content for the frame just presented: the size check, the capture of a
// position the examiner moved it to (saved), the rows or the caption, the thumbnail, and the
// files of a --frames run. Does nothing while the window is not open.
void UpdateMonitorWindow(ProgramContext& context);

}  // namespace lenvari
