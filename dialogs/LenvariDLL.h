#pragma once
// The exported entry points of the dialog library. Arguments are the caller's variables, passed
// by reference; a dialog writes them back only when the user saves or presses OK.

#include <string>

#include "dialogs/Export.h"

namespace lenvari {
class VirtualRemoteMailbox;
}

// The acuity text converted to `base` notation: 20 = 20-foot fraction, 6 = 6-metre fraction,
// anything else decimal.
LENVARI_DLL_EXPORT std::string CONVERTACUITY(const std::string& acuity, const int& base);

// The calibration distance dialog. `distance` is the monitor's test distance (" 20 feet");
// on OK it becomes the distance entered, in the same form; on Cancel it stays as it was.
// Returns the distance as it stands afterwards. `parentWindow` is 0.
LENVARI_DLL_EXPORT std::string SHOWCALIBRATE(int parentWindow, std::string& distance);

// The reference card of the quick keys, with the way to the remote help. Returns when it is
// closed with OK, Enter or Escape. `parentWindow` is 0.
LENVARI_DLL_EXPORT void SHOWQUICKKEYS(int parentWindow);

// The virtual remote: each button press writes its code into `mailbox`, the main program's,
// which must outlive the window. Returns when the window is closed. `parentWindow` is 0.
LENVARI_DLL_EXPORT void SHOWVIRTUAL_REMOTE(int parentWindow, lenvari::VirtualRemoteMailbox& mailbox);
