#pragma once
// The 6 x 6 preset gallery as the quick keys reach it, and the thumbnail a stored preset leaves
// in it.

#include <string>

#include "app/loop/ProgramContext.h"

namespace lenvari {

// What the gallery returns when it is left with Esc.
inline constexpr const char* kGalleryCancelled = "27";

// Shows the gallery in `GalleryMode` (Recall or Store) and sets `CurrentMemory` to the preset
// chosen; returns "27" when the examiner leaves it with Esc.
std::string OpenPresetGallery(ProgramContext& context);

// Redraws preset n's thumbnail in the gallery picture after it was stored.
void BuildPresetThumbnail(ProgramContext& context, int n);

}  // namespace lenvari
