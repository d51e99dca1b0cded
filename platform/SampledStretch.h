#pragma once
// A smooth reduction of one canvas's whole picture into a rectangle of another, for live
// thumbnails: each target pixel is the mean of a grid of up to 4 x 4 samples spread evenly over
// the source pixels it covers. Its cost follows the size of the target, not of the source, so a
// 4K frame shrinks to a thumbnail in well under a millisecond, while a letter stroke narrower
// than a target pixel still leaves a grey trace instead of vanishing between point samples.

#include "platform/Canvas.h"

namespace lenvari {

// `target` is in the destination canvas's units; the part of it outside the canvas is skipped.
void StretchCanvasSampled(const Canvas& source, Canvas& destination, RectF target);

}  // namespace lenvari
