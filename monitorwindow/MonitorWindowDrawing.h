#pragma once
// The monitor window's picture: the printed lines and, with the thumbnail on, a smooth copy of
// the frame on the patient display with a frame around it.

#include <string>
#include <vector>

#include "monitorwindow/MonitorWindowLayout.h"
#include "monitorwindow/MonitorWindowText.h"
#include "platform/qtgui/Canvas.h"

namespace lenvari {

// A light grey window, so that the white chart inside the thumbnail keeps its edge.
inline constexpr Colour kMonitorWindowBackground = RgbColour(236, 236, 236);
inline constexpr Colour kMonitorWindowInk = kBlack;

// Draws onto `canvas` (the layout's size, pixel units) and returns the texts printed, top to
// bottom, as they stand on the window. `patientDisplay` is the frame last drawn for the patient
// monitor; without one the thumbnail's place only gets its frame.
std::vector<std::string> DrawMonitorWindow(const MonitorWindowLayout& layout,
                                           const MonitorWindowText& text,
                                           const Canvas* patientDisplay, Canvas& canvas);

}  // namespace lenvari
