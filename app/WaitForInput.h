#pragma once
// The input wait: polls every input source in a fixed order every 10 ms and returns one input
// string. Sources, in order: a single click on the chart window ("MouseEvent", with MouseX and
// MouseY in chart units), a click on the monitor window, keys typed into the console, into the
// monitor window and into the chart window (all keys pending in one window joined into one
// string), the virtual remote's mailbox ("m1" .. "m12" become codes 201 .. 212), and the
// timed-randomize clock ("r"). It also watches the chart window: five polls without it end the
// program.

#include <string>

#include "app/ProgramContext.h"

namespace lenvari {

std::string WaitForInput(ProgramContext& context);

// The wait of a screen that has the patient monitor to itself (the calibration square): keys
// typed into the console or into `window`, and the virtual remote. A key script types into
// `window`.
std::string WaitForWindowKeys(ProgramContext& context, CanvasWindow& window);

// The input string of a virtual-remote text: "m1" .. "m12" become the one character of code
// 200 + n; anything else stays as it is.
std::string TranslateRemoteText(const std::string& text);

}  // namespace lenvari
