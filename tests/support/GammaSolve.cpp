#include "support/GammaSolve.h"

#include <cmath>
#include <map>
#include <tuple>

namespace lenvari {
namespace {

constexpr int kRun = 16;

// The grey level of a pixel, or -1 when it is coloured.
int GreyAt(const QImage& image, int x, int y) {
  const QRgb p = image.pixel(x, y);
  return qRed(p) == qGreen(p) && qGreen(p) == qBlue(p) ? qGreen(p) : -1;
}

// How many pixels from x on (step +1 or -1) have the value v.
int RunOf(const QImage& image, int x, int y, int step, int v) {
  int n = 0;
  for (; x >= 0 && x < image.width() && GreyAt(image, x, y) == v; x += step) ++n;
  return n;
}

}  // namespace

double GammaOfMeanLight(int low, int high, int grey) {
  const double a = low / 255.0, b = high / 255.0, c = grey / 255.0;
  // Mean light less grey's light: below 0 for a small gamma (the geometric mean of two values
  // is below a grey between them), above 0 for a large one, with one crossing.
  auto difference = [&](double g) { return (std::pow(a, g) + std::pow(b, g)) / 2 - std::pow(c, g); };
  double from = 0.1, to = 10;
  if (difference(from) >= 0 || difference(to) <= 0) return 0;
  for (int i = 0; i < 100; ++i) {
    const double middle = (from + to) / 2;
    (difference(middle) < 0 ? from : to) = middle;
  }
  return (from + to) / 2;
}

std::vector<double> DitherCellLights(const QImage& image, const DitheredValue& d, double gamma) {
  std::vector<double> lights;
  for (int top = 0; top + kDitherCell <= image.height(); top += kDitherCell) {
    for (int left = 0; left + kDitherCell <= image.width(); left += kDitherCell) {
      double sum = 0;
      int high = 0;
      bool whole = true;
      for (int y = top; y < top + kDitherCell && whole; ++y) {
        for (int x = left; x < left + kDitherCell && whole; ++x) {
          const int v = GreyAt(image, x, y);
          whole = v == d.low || v == d.high;
          high += v == d.high && d.high != d.low;
          sum += std::pow(v / 255.0, gamma);
        }
      }
      if (whole && high == d.highCount) lights.push_back(sum / (kDitherCell * kDitherCell));
    }
  }
  return lights;
}

std::vector<SolvedGammaField> SolveGammaFields(const QImage& image) {
  std::map<std::tuple<int, int, int>, SolvedGammaField> found;
  std::map<std::tuple<int, int, int>, int> rows;
  for (int y = 0; y < image.height(); ++y) {
    int x = 0;
    while (x + 1 < image.width()) {
      const int a = GreyAt(image, x, y), b = GreyAt(image, x + 1, y);
      if (a < 0 || b < 0 || a == b) {
        ++x;
        continue;
      }
      int end = x + 2;
      while (end < image.width() && GreyAt(image, end, y) == GreyAt(image, end - 2, y)) ++end;
      if (end - x >= kRun) {
        int grey = -1;
        if (end < image.width() && RunOf(image, end, y, +1, GreyAt(image, end, y)) >= kRun)
          grey = GreyAt(image, end, y);
        else if (x > 0 && RunOf(image, x - 1, y, -1, GreyAt(image, x - 1, y)) >= kRun)
          grey = GreyAt(image, x - 1, y);
        if (grey >= 0 && grey != a && grey != b) {
          const auto key = std::make_tuple(std::min(a, b), std::max(a, b), grey);
          SolvedGammaField& field = found[key];
          field.checkerboard |= QRect(x, y, end - x, 1);
          ++rows[key];
        }
      }
      // A short run's last pixel may begin a real one (the checkerboard's first pixel beside
      // the background).
      x = end - x >= kRun ? end : end - 1;
    }
  }
  std::vector<SolvedGammaField> fields;
  for (auto& [key, field] : found) {
    if (rows[key] < kRun) continue;
    std::tie(field.low, field.high, field.grey) = key;
    field.gamma = GammaOfMeanLight(field.low, field.high, field.grey);
    fields.push_back(field);
  }
  return fields;
}

}  // namespace lenvari
