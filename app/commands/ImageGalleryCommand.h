#pragma once
// The 6 x 6 image gallery and the import of pictures into its slots, as the quick keys reach
// them.

#include "app/loop/ProgramContext.h"

namespace lenvari {

// Shows the gallery and sets `ImageNum` to the slot chosen.
void OpenImageGallery(ProgramContext& context);

// Lets the examiner pick a picture file and a slot, and copies the picture into that slot.
void AddGalleryImages(ProgramContext& context);

}  // namespace lenvari
