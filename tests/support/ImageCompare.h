#pragma once
// Comparing a picture with what it should show: grey-level correlation and mean difference of
// two pictures of one size, and a smooth reduction of a frame to a thumbnail's size.

#include <QImage>
#include <QRect>

namespace lenvari {

// The correlation coefficient of the grey levels of `a` and `b` (same size); 0 when either is
// flat.
double GreyCorrelation(const QImage& a, const QImage& b);
// The mean absolute difference of their grey levels, 0 .. 255.
double MeanGreyDifference(const QImage& a, const QImage& b);
// `frame` reduced smoothly to `size`.
QImage Reduced(const QImage& frame, QSize size);
// The pixels wholly inside the real-valued box (left, top, right, bottom), less `inset` pixels
// on each side.
QRect PixelsInside(double left, double top, double right, double bottom, int inset = 0);

// The bounding box of the black ink (all three channels below 128; blue labels are left out).
QRect BlackInk(const QImage& frame);

}  // namespace lenvari
