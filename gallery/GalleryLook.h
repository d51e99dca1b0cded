#pragma once
// When the gallery pictures no longer show what a recall would: a change of a setting the
// thumbnails are drawn with (mirror, notation, labels, special-test defaults, colours,
// smoothing, the calibration scales). Such a change makes the pictures stale; they are built
// anew before they are next shown.

#include <string>

#include "gallery/GalleryPictures.h"

namespace lenvari {

struct State;

// Whether monitor m's gallery pictures drawn with `before` differ from those drawn with `after`.
bool GalleryLookChanged(const State& before, const State& after, int m);

// Drops monitor m's two gallery pictures, file and memory, so the next visit builds them from
// the settings in force (a build takes about as long as a visit's wait for the first key, and
// only a gallery shown needs it).
void ForgetGalleryPictures(GalleryPictures& pictures, const std::string& dataPath, int m);

}  // namespace lenvari
