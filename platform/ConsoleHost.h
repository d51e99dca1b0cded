#pragma once
// The examiner's control window as the program sees it, one interface per job: modal boxes,
// the text screen, the menu bar and the window itself. Program code takes the part it needs;
// the one host (the Qt window in the platform backends, a scripted stand-in in tests)
// implements them all.
//
// Texts may carry the two-character sequences backslash-n, backslash-t and backslash-e, which
// the host expands (line break, tab before a menu key hint, line break).

#include <string>

#include "platform/ConsoleBoxes.h"
#include "platform/ConsoleControlWindow.h"
#include "platform/ConsoleMenuBar.h"
#include "platform/ConsoleTextScreen.h"

namespace lenvari {

class ConsoleHost : public ConsoleBoxes,
                    public ConsoleTextScreen,
                    public ConsoleMenuBar,
                    public ConsoleControlWindow {};

// Expands the host's escape sequences: backslash-n and backslash-e become line breaks,
// backslash-t a tab.
std::string ExpandConsoleText(const std::string& text);

}  // namespace lenvari
