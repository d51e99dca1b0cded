#pragma once
// Quick keys that reach beyond the chart: the configuration corner, the patient monitor, the
// mirror, the monitor window, the video file, the quick-key list, remote support and the
// export of the data folder.

#include "app/loop/ProgramContext.h"

namespace lenvari {

// True for a click in the chart's top-right corner (in chart units of a monitor with that
// pixel size and scale), where a click opens the configuration dialog.
bool IsConfigurationCorner(int mouseX, int mouseY, int screenWidth, int screenHeight,
                           int masterScaleX, int masterScaleY);
// "MouseEvent": the configuration dialog for a click in the corner; other clicks do nothing.
void ChartClick(ProgramContext& context);

// Ctrl+C.
void ConfigurationKey(ProgramContext& context);
// Ctrl+A: the next patient monitor and its calibration check; with one monitor, a message.
void NextPatientMonitor(ProgramContext& context);
// Ctrl+O.
void OpenRemoteSupport(ProgramContext& context);
// Ctrl+V: a chosen file becomes `SelectedVideo`; the settings are saved either way.
void SelectVideoKey(ProgramContext& context);
// "q": the quick-key list; the console is parked below the patient display afterwards.
void QuickKeyListKey(ProgramContext& context);
// Ctrl+R: the chart mirrored for a room with a mirror, or back; saved at once, and the
// galleries built anew before they are next shown.
void MirrorKey(ProgramContext& context);
// Ctrl+Z: asks, then writes the data folder into a ZIP archive in a chosen folder.
void ExportKey(ProgramContext& context);
// "k": the monitor window opened or closed, and the choice saved. True when the pass must
// redraw the chart (so the opened window shows it).
bool MonitorWindowKey(ProgramContext& context);

}  // namespace lenvari
