#pragma once
// The two gallery pictures of the current monitor, kept decoded between visits so that opening
// a gallery only paints them. The files in the data folder stay the record: a picture is read
// again when its file has changed since, and rebuilt when the file is missing, unreadable or
// not the display's present size (a folder calibrated by hand or copied from another computer).

#include <string>

#include "platform/qtgui/Bitmap.h"

namespace lenvari {

struct State;
struct SaveFailures;
struct OptotypeShapes;

// One picture and the file it was read from or written to.
struct GalleryPicture {
  std::string path;
  long long fileStamp = -1;  // the file's modification time and size when last seen
  long long fileSize = -1;
  Bitmap bitmap;
};

struct GalleryPictures {
  GalleryPicture preset;
  GalleryPicture image;
};

// The picture of the preset gallery, ready to paint: the one in memory while its file is
// unchanged, else the file, else a new build. Cells not drawn from the presets and display
// as they are now (GalleryIndex.h) are drawn again first, except `cellAboutToChange`, which
// the caller is about to replace.
// A picture that could not be saved is noted in `failures` when given.
const Bitmap& PresetGalleryPicture(GalleryPictures& pictures, const State& state,
                                   const OptotypeShapes& shapes, int cellAboutToChange = 0,
                                   SaveFailures* failures = nullptr);
const Bitmap& ImageGalleryPicture(GalleryPictures& pictures, const State& state,
                                  const OptotypeShapes& shapes, SaveFailures* failures = nullptr);

// Builds the gallery anew (after a calibration, a stored preset, an import) and keeps it.
void RebuildPresetGallery(GalleryPictures& pictures, const State& state,
                          const OptotypeShapes& shapes, SaveFailures* failures = nullptr);
void RebuildImageGallery(GalleryPictures& pictures, const State& state,
                         const OptotypeShapes& shapes, SaveFailures* failures = nullptr);

// Records a picture just written to `path`.
void RememberPicture(GalleryPicture& picture, const std::string& path, Bitmap bitmap);

}  // namespace lenvari
