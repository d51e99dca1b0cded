#pragma once

namespace lenvari {

// Gives every window of the program its icon (the program's own icon resources). Decoding the
// pictures takes a while, so this waits until the chart is on the screen.
void SetProgramIcon();

}  // namespace lenvari
