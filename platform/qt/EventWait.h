#pragma once
// Waiting for the window system: the input wait sleeps until the next event arrives or its
// polling tick is due, whichever comes first, so a key is read the moment it arrives instead of
// at the end of a fixed sleep.

namespace lenvari {

// Delivers every pending event, then blocks until another event arrives or `maxMilliseconds`
// have passed, and delivers what arrived.
void WaitForEvents(int maxMilliseconds);

// The window system's double-click interval: the longest time between the two clicks of a
// double click.
int DoubleClickMilliseconds();

}  // namespace lenvari
