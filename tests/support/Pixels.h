#pragma once
// Measuring pictures in tests: comparing a picture with what it should show, counting dark or
// coloured pixels, finding runs and ink, and cutting a gallery cell out of a picture.

#include <QColor>
#include <QImage>
#include <QRect>

namespace lenvari {

// The correlation coefficient of the grey levels of `a` and `b` (same size); 0 when either is
// flat.
double GreyCorrelation(const QImage& a, const QImage& b);
// The mean absolute difference of their grey levels, 0 .. 255.
double MeanGreyDifference(const QImage& a, const QImage& b);
// Pixels whose colour differs at the same place; -1 when the sizes differ.
int DifferingPixels(const QImage& a, const QImage& b);
// `frame` reduced smoothly to `size`.
QImage Reduced(const QImage& frame, QSize size);
// The pixels wholly inside the real-valued box (left, top, right, bottom), less `inset` pixels
// on each side.
QRect PixelsInside(double left, double top, double right, double bottom, int inset = 0);

// The bounding box of the black ink (all three channels below 128; blue labels are left out).
QRect BlackInk(const QImage& frame);
// Height of the dark run in the middle column (the calibration square).
int BlackRunHeight(const QImage& image);

// How dark a pixel is against white, 0 .. 1 (for black letters on white): the share of
// white's light it lacks on an sRGB screen, which for a smoothed edge pixel is how much of it
// the letter covers.
double Darkness(const QImage& image, int x, int y);
// Pixels darker than mid-grey inside the rectangle.
int DarkPixels(const QImage& image, const QRect& area);

// Pixels within `tolerance` of `colour` in every channel.
int CountColour(const QImage& image, QColor colour, int tolerance = 8);
// The longest run of pixels of `colour` along row y between x0 and x1.
int RunAlongRow(const QImage& image, int y, int x0, int x1, QColor colour);

// Cell n's pixels (6 x 6 grid) of a display-size gallery picture.
QImage CellOf(const QImage& picture, int n);

}  // namespace lenvari
