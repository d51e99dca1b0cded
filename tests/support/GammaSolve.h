#pragma once
// Light read from pictures: the gamma a match screen was built for, from its pixels alone (each
// field of a one-pixel checkerboard of two greys beside a solid grey, and the gamma under which
// the checkerboard's mean light equals the grey's), and the light of dithered cells.

#include <QImage>
#include <QRect>

#include <vector>

#include "platform/TransferCurve.h"

namespace lenvari {

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

// The gamma g > 0 with (low^g + high^g) / 2 = grey^g (values as fractions of 255); 0 when none.
double GammaOfMeanLight(int low, int high, int grey);

}  // namespace lenvari
