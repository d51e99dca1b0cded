#pragma once
// Measuring pictures in tests: comparing a picture with what it should show, counting dark or
// coloured pixels, finding runs and ink, cutting a gallery cell out of a picture, and reading light:
// dithered cells, and the gamma a match screen's fields were built for, from its pixels alone.

#include <QColor>
#include <QImage>
#include <QRect>

#include <vector>

#include "platform/TransferCurve.h"

namespace lenvari {

// The correlation coefficient of the grey levels of `a` and `b` (same size); 0 when either is
// flat.
double GreyCorrelation(const QImage& a, const QImage& b);
// The mean absolute difference of their grey levels, 0 .. 255.
double MeanGreyDifference(const QImage& a, const QImage& b);
// Pixels whose colour differs at the same place; -1 when the sizes differ.
int DifferingPixels(const QImage& a, const QImage& b);
// The pixels wholly inside the real-valued box (left, top, right, bottom), less `inset` pixels
// on each side.
QRect PixelsInside(double left, double top, double right, double bottom, int inset = 0);

// Pixels of `area` for which `match(QRgb)` holds.
template <class Match>
int CountWhere(const QImage& image, const QRect& area, Match match) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) count += match(image.pixel(x, y)) ? 1 : 0;
  return count;
}
// The bounding box of the pixels for which `match(QRgb)` holds; empty when there are none.
template <class Match>
QRect InkBox(const QImage& image, Match match) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (match(image.pixel(x, y))) box |= QRect(x, y, 1, 1);
  return box;
}
// The length of the run of pixels of (x, y)'s colour through it, along its row or its column.
int RunThrough(const QImage& image, int x, int y, bool alongRow);

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
// Pixels inside the rectangle whose grey level (qGray) is from `low` to `high`.
int GreyPixels(const QImage& image, const QRect& area, int low, int high);

// Pixels within `tolerance` of `colour` in every channel.
int CountColour(const QImage& image, QColor colour, int tolerance = 8);
// The longest run of pixels of `colour` along row y between x0 and x1.
int RunAlongRow(const QImage& image, int y, int x0, int x1, QColor colour);

// Cell n's pixels (6 x 6 grid) of a display-size gallery picture.
QImage CellOf(const QImage& picture, int n);

struct SolvedGammaField {
  int low = 0, high = 0, grey = 0;  // the checkerboard's two values and the grey's
  QRect checkerboard;               // where the checkerboard was found
  double gamma = 0;                 // 0 when no gamma matches them
};

// Every field found: rows of at least 16 pixels alternating between two greys, with a run of
// at least 16 pixels of one other grey on either side, grouped by their three values (a field
// has at least 16 such rows).
std::vector<SolvedGammaField> SolveGammaFields(const QImage& image);

// The light under `gamma`, averaged, of every 8 x 8 cell of the image's dither grid that holds
// the dither `d` whole (only its two values, with its count of high ones): the cells inside a
// shape drawn at a light of its own.
std::vector<double> DitherCellLights(const QImage& image, const DitheredValue& d, double gamma);

}  // namespace lenvari
