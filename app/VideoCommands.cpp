#include "app/VideoCommands.h"

namespace lenvari {

// Playback and the chooser are not there yet: nothing plays and nothing is chosen.
void PlaySelectedVideo(ProgramContext&) {}

std::string SelectVideo(ProgramContext&) { return ""; }

}  // namespace lenvari
