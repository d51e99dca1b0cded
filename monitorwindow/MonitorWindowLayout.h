#pragma once
// Where the monitor window stands and how big it is: the stored place and size of the current
// monitor's entry, checked against the window font and the desktop, and the growth that makes
// room for many rows without changing what is stored.

#include <string>

#include "monitorwindow/MonitorWindowText.h"
#include "platform/qtgui/Canvas.h"
#include "store/Monitors.h"
#include "store/Settings.h"

namespace lenvari {

// The window's width is that of this line in the window font.
inline constexpr const char* kMonitorWindowSample = "  20/200     A B C D E F ";

// "Ariel" 12 points bold. No system has a face of that name, so the platform's default face
// stands in for it, as it always has.
void SelectMonitorWindowFont(Canvas& canvas);

// The size check: unless the stored width is the sample line's width S and the stored height
// is the thumbnail height t = ScreenHeight x W / ScreenWidth once (twice with the thumbnail
// on), the width becomes round(S) and the height floor(ScreenHeight x W / ScreenWidth) once or
// twice. Zero, negative and absurd stored sizes are replaced this way. True when a stored value
// changed.
bool CheckMonitorWindowSize(Settings& settings, const Monitors& monitors, double sampleWidth);

// The stored position, made reachable: -32000 (the place of a minimised window) becomes 0 on
// that axis, and a window that would lie entirely off every monitor (one was unplugged) goes
// to the top-left corner of the primary monitor. True when a stored value changed.
bool PlaceMonitorWindowOnDesktop(Settings& settings, const Monitors& monitors);

struct MonitorWindowLayout {
  int storedWidth = 0, storedHeight = 0;  // W and H of the settings
  int width = 0, height = 0;              // client size, grown for the rows
  double lineHeight = 0;                  // h, the height of a printed line
  bool thumbnail = false;
  RectF thumbnailBox;                     // where the patient display is copied to
  RectF outlineBox;                       // the frame drawn around it
};

// The layout for the text to print, measured in the window font on `measuring` (pixel units),
// from the stored size after the size check.
MonitorWindowLayout LayOutMonitorWindow(const Settings& settings, const Monitors& monitors,
                                        const MonitorWindowText& text, const Canvas& measuring);

}  // namespace lenvari
