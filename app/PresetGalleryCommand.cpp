#include "app/PresetGalleryCommand.h"

namespace lenvari {

// The gallery window is not there yet: it behaves as if cancelled.
std::string OpenPresetGallery(ProgramContext&) { return kGalleryCancelled; }

void BuildPresetThumbnail(ProgramContext&, int) {}

}  // namespace lenvari
