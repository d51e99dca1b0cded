#pragma once
// The virtual remote as a window beside the chart: it stays open while the input loop runs and
// hands every button press to the main program through the mailbox. Qt builds widgets on the
// GUI thread only, so the window lives there without a loop of its own; the input wait pumps
// its events. At most one exists; the library keeps track of it.

#include <optional>

#include "dialogs/Export.h"

class QScreen;

namespace lenvari {

class VirtualRemoteMailbox;

// A desktop area in the window system's logical coordinates.
struct RemoteArea {
  int x = 0, y = 0, width = 0, height = 0;
};

// Shows the virtual remote centred on `area` (on the primary screen when the area is empty),
// above other windows, leaving the keyboard focus where it is. Already shown: it is only
// raised.
LENVARI_DLL_EXPORT void OpenVirtualRemote(VirtualRemoteMailbox& mailbox, const RemoteArea& area);

// Whether the virtual remote's window is there (not yet closed).
LENVARI_DLL_EXPORT bool VirtualRemoteIsOpen();

// Closes the virtual remote as its close button would; nothing happens when it is not open.
LENVARI_DLL_EXPORT void CloseVirtualRemoteWindow();

// Where the open virtual remote's client area lies, in logical coordinates; nothing when it is
// not open.
LENVARI_DLL_EXPORT std::optional<RemoteArea> VirtualRemoteClientArea();
// Moves the open virtual remote onto `screen` so that its client area's corner goes to the
// logical point (x, y); nothing happens when it is not open.
LENVARI_DLL_EXPORT void MoveVirtualRemoteWindow(int x, int y, QScreen* screen);

}  // namespace lenvari
