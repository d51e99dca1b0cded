#pragma once
// The input wait: polls every input source in a fixed order every 10 ms and returns one input
// string. Sources, in order: a single click on the chart window ("MouseEvent", with MouseX and
// MouseY in chart units), a click on the monitor window, keys typed into the console, into the
// monitor window and into the chart window (one input per key, except that a handheld remote's
// "ControlRemoteF01" .. "ControlRemoteF12" arrives whole: see KeyArrival.h), the virtual
// remote's mailbox ("m1" .. "m12" become codes 201 .. 212; see TakeRemotePress for Image
// Gallery's double click), the phone remote (the same inputs), and the timed-randomize clock
// ("r"). It also watches the chart window: five polls without it end the program.

#include <string>

#include "app/loop/ProgramContext.h"

namespace lenvari {

// How a click on the monitor window is read: in the window's own units (its pixels), or, while
// a gallery is shown, as a click on the patient display at the place the window's copy of it
// shows (a click beside the copy does nothing).
enum class MonitorClicks { InWindowUnits, OnThumbnail };

std::string WaitForInput(ProgramContext& context,
                         MonitorClicks monitorClicks = MonitorClicks::InWindowUnits);

// The wait of a screen that has the patient monitor to itself (the calibration square): keys
// typed into the console or into `window`, and the virtual remote. A key script types into
// `window`.
std::string WaitForWindowKeys(ProgramContext& context, CanvasWindow& window);

// The input string of a virtual-remote text: "m1" .. "m12" become the one character of code
// 200 + n; anything else stays as it is.
std::string TranslateRemoteText(const std::string& text);

}  // namespace lenvari
