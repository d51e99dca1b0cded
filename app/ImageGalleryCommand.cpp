#include "app/ImageGalleryCommand.h"

namespace lenvari {

// The gallery window and the import are not there yet: the chart shows the current slot.
void OpenImageGallery(ProgramContext&) {}

void AddGalleryImages(ProgramContext&) {}

}  // namespace lenvari
