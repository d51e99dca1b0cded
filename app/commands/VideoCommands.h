#pragma once
// The fixation video: playing the selected file on the patient monitor and choosing it.

#include <string>

#include "app/loop/ProgramContext.h"

namespace lenvari {

// Plays `SelectedVideo` until the next input, which it consumes.
void PlaySelectedVideo(ProgramContext& context);

// The file chooser for a video, starting at the current `SelectedVideo`; the full path chosen,
// or "" when cancelled.
std::string SelectVideo(ProgramContext& context);

}  // namespace lenvari
