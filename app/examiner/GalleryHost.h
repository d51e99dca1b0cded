#pragma once
// How a gallery visit meets the running program: the input wait, the chart window and the
// monitor window.

#include "app/loop/ProgramContext.h"
#include "gallery/GalleryVisit.h"

namespace lenvari {

GalleryVisitHost MakeGalleryVisitHost(ProgramContext& context);

}  // namespace lenvari
