#pragma once
// The arithmetic of the letter chart's layout: letter boxes, how many rows fit, how many
// letters a row holds, where the mask opens. All lengths are chart units.

#include <string>

#include "store/LetterSets.h"

namespace lenvari {

// Snellen denominator of size `s` in file `f`; 0 outside the tables.
double LetterDenominator(const LetterSets& letters, int f, int s);
// The row text of letter set `set` at line `line`; empty outside the tables.
const std::string& LetterLine(const LetterSets& letters, int f, int set, int line);
// 2 for picture files (a picture needs twice the letter box), else 1.
int BoxFactor(const LetterSets& letters, int f);
// The file index used for the tables: `LetterSetFileNum` held to 0 .. 10.
int SafeFileIndex(int letterSetFileNum);

struct RowFit {
  int RowsShown = 1;
  double total = 0;  // height of all rows and their gaps, centred on the screen
};

// How many rows of the chart fit: the first row takes 3 x h1 (letter, and half a letter above
// and below); each further row 10 x K x D of its size, while the total stays below the chart
// height and the shutter and the monitor's row limit allow.
RowFit FitLetterRows(const LetterSets& letters, int f, int sizeNow, int grad, int vShutter,
                     int maxVShutter, int chartHeight);

// Letters of box width w that fit across the chart, a letter's width apart: floor(W / 2w).
int LettersAcross(int chartWidth, long long w);

struct MaskWindow {
  int MaskLeft = 0, MaskRight = 0, MaskTop = 0, MaskBottom = 0;
};

// The window the mask leaves open around `columns` letters of width w and the rows' total.
MaskWindow MaskGeometry(int chartWidth, long long w, double total, int hShutter, int maxColumns);

}  // namespace lenvari
