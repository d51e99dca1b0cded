#include "render/LetterChartLayout.h"

#include <algorithm>
#include <cmath>

#include "common/NumberText.h"

namespace lenvari {

double LetterDenominator(const LetterSets& letters, int f, int s) {
  if (f < 0 || f > kLetterSetFiles || s < 0 || s > kMaxSizes) return 0;
  return letters.LetterSize[f][s];
}

const std::string& LetterLine(const LetterSets& letters, int f, int set, int line) {
  static const std::string empty;
  if (f < 0 || f > kLetterSetFiles || set < 0 || set > kMaxLetterSets || line < 0 ||
      line > kMaxSizes) {
    return empty;
  }
  return letters.LetterLines[f][set][line];
}

int BoxFactor(const LetterSets& letters, int f) {
  return letters.LetterSetName[f].rfind("Pictures", 0) == 0 ? 2 : 1;
}

int SafeFileIndex(int letterSetFileNum) { return std::clamp(letterSetFileNum, 0, kLetterSetFiles); }

RowFit FitLetterRows(const LetterSets& letters, int f, int sizeNow, int grad, int vShutter,
                     int maxVShutter, int chartHeight) {
  const int k = BoxFactor(letters, f);
  RowFit fit;
  fit.total = 3.0 * static_cast<double>(RoundHalfEven(5.0 * k * LetterDenominator(letters, f, sizeNow)));
  int r = 1;
  for (;;) {
    if (grad == 1 && sizeNow - r <= 0) break;
    const double next = 10.0 * k * LetterDenominator(letters, f, sizeNow - r * grad);
    if (fit.total + next >= chartHeight) break;
    if (vShutter <= r) break;
    if (maxVShutter <= r) break;
    // Zero-sized rows (outside the letter-set data's domain) would never fill the height.
    if (next <= 0) break;
    fit.total = static_cast<double>(RoundHalfEven(fit.total + next));
    ++r;
  }
  fit.RowsShown = r;
  return fit;
}

int LettersAcross(int chartWidth, long long w) {
  if (w <= 0) return 1;
  return static_cast<int>(std::floor(static_cast<double>(chartWidth) / (2.0 * static_cast<double>(w))));
}

MaskWindow MaskGeometry(int chartWidth, long long w, double total, int hShutter, int maxColumns) {
  int n = LettersAcross(chartWidth, w);
  if (hShutter != 999) n = hShutter;
  n = std::min(n, maxColumns);
  if (n == 0) n = 1;
  const double width = static_cast<double>(w);
  MaskWindow mask;
  mask.MaskLeft = static_cast<int>(RoundHalfEven(-n * width - width / 2));
  mask.MaskRight = static_cast<int>(RoundHalfEven(n * width + width / 2));
  mask.MaskTop = static_cast<int>(RoundHalfEven(-total / 2));
  mask.MaskBottom = static_cast<int>(RoundHalfEven(total / 2));
  return mask;
}

}  // namespace lenvari
