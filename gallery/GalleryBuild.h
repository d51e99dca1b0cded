#pragma once
// Building the gallery pictures: all 36 preset thumbnails, all 36 image thumbnails, and the
// one cell a stored preset changes. Each picture is the size of the patient display and is
// saved in the data folder as it is drawn; the caller keeps the returned copy for the visits.
// A picture that could not be saved is noted in `failures` when given.

#include <string>
#include <vector>

#include "platform/qtgui/Bitmap.h"
#include "platform/qtgui/Canvas.h"

namespace lenvari {

struct State;
struct SaveFailures;
struct OptotypeShapes;

// Draws every preset as it recalls, each chart at cell size with its own chart range filling
// the cell, with the grey frames and the cell numbers, and saves m + "LVGallery.bmp". The
// presets are recalled into a copy of the state: the chart the examiner has, `CurrentMemory`
// among it, stays as it is.
Bitmap BuildPresetGallery(const State& state, const OptotypeShapes& shapes,
                          SaveFailures* failures = nullptr);

// Draws only `cells` anew over `gallery` (over white when it is null) and saves the picture,
// then its index (GalleryIndex.h).
Bitmap RedrawPresetCells(const State& state, const OptotypeShapes& shapes, const Bitmap* gallery,
                         const std::vector<int>& cells, SaveFailures* failures = nullptr);
Bitmap RedrawImageCells(const State& state, const OptotypeShapes& shapes, const Bitmap* gallery,
                        const std::vector<int>& cells, SaveFailures* failures = nullptr);

// The same for the 36 image slots as the "Image" chart mode draws them (an empty slot is a
// black cell with its frame and number), saved as m + "ImageGallery.bmp".
Bitmap BuildImageGallery(const State& state, const OptotypeShapes& shapes,
                         SaveFailures* failures = nullptr);

// After preset `CurrentMemory` was stored with `chart` on the display: saves the display as
// m + "LVBmap" + n + ".bmp" and paints that snapshot, reduced by averaging, into cell n of
// `gallery` (an empty cell when it could not be written), then saves m + "LVGallery.bmp".
// Returns the new picture.
Bitmap UpdatePresetThumbnail(const State& state, const Canvas& chart, const Bitmap& gallery,
                             SaveFailures* failures = nullptr);

}  // namespace lenvari
