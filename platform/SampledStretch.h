#pragma once
// A smooth reduction of one whole picture into a rectangle of another, for live thumbnails:
// each target pixel is the mean of a grid of up to 4 x 4 samples spread evenly over the source
// pixels it covers. Its cost follows the size of the target, not of the source, so a
// 4K frame shrinks to a thumbnail in well under a millisecond, while a letter stroke narrower
// than a target pixel still leaves a grey trace instead of vanishing between point samples.

#include <QImage>
#include <QRect>
#include <QRectF>

namespace lenvari {

// Fills the pixels of `destination` whose centres lie in `target` (destination pixels) from the
// whole of `source`; the part outside the image is skipped. Returns the pixels written.
QRect SampleImageInto(const QImage& source, QImage& destination, const QRectF& target);

}  // namespace lenvari
