#include "support/Pixels.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>
#include <cstdlib>

namespace lenvari {

double GreyCorrelation(const QImage& a, const QImage& b) {
  double sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
  const double n = static_cast<double>(a.width()) * a.height();
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const double p = qGray(a.pixel(x, y)), q = qGray(b.pixel(x, y));
      sx += p, sy += q, sxx += p * p, syy += q * q, sxy += p * q;
    }
  const double spread = (n * sxx - sx * sx) * (n * syy - sy * sy);
  return spread > 0 ? (n * sxy - sx * sy) / std::sqrt(spread) : 0;
}

double MeanGreyDifference(const QImage& a, const QImage& b) {
  double sum = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) sum += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
  return sum / (static_cast<double>(a.width()) * a.height());
}

int DifferingPixels(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return -1;
  int count = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) count += (a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF);
  return count;
}

QRect PixelsInside(double left, double top, double right, double bottom, int inset) {
  const int l = static_cast<int>(std::ceil(left)) + inset, t = static_cast<int>(std::ceil(top)) + inset;
  const int r = static_cast<int>(std::floor(right)) - inset, b = static_cast<int>(std::floor(bottom)) - inset;
  return QRect(l, t, r - l, b - t);
}

QRect BlackInk(const QImage& frame) {
  return InkBox(frame, [](QRgb p) { return qRed(p) < 128 && qGreen(p) < 128 && qBlue(p) < 128; });
}

int BlackRunHeight(const QImage& image) {
  return InkBox(image.copy(image.width() / 2, 0, 1, image.height()),
                [](QRgb p) { return qGray(p) < 128; })
      .height();
}

int RunThrough(const QImage& image, int x, int y, bool alongRow) {
  const QRgb colour = image.pixel(x, y);
  int length = 1;
  for (int step : {-1, 1}) {
    for (QPoint p(x, y);;) {
      p += alongRow ? QPoint(step, 0) : QPoint(0, step);
      if (!image.rect().contains(p) || image.pixel(p) != colour) break;
      ++length;
    }
  }
  return length;
}

double Darkness(const QImage& image, int x, int y) {
  return 1 - DisplayLight(qGray(image.pixel(x, y)), 0);
}

int DarkPixels(const QImage& image, const QRect& area) {
  return GreyPixels(image, area, 0, 187);  // 188 and above give half of white's light or more
}

int GreyPixels(const QImage& image, const QRect& area, int low, int high) {
  return CountWhere(image, area, [&](QRgb p) { return qGray(p) >= low && qGray(p) <= high; });
}

int CountColour(const QImage& image, QColor colour, int tolerance) {
  return CountWhere(image, image.rect(), [&](QRgb p) {
    return std::abs(qRed(p) - colour.red()) <= tolerance &&
           std::abs(qGreen(p) - colour.green()) <= tolerance &&
           std::abs(qBlue(p) - colour.blue()) <= tolerance;
  });
}

int RunAlongRow(const QImage& image, int y, int x0, int x1, QColor colour) {
  int best = 0, run = 0;
  for (int x = x0; x < x1; ++x) {
    run = image.pixelColor(x, y) == colour ? run + 1 : 0;
    best = std::max(best, run);
  }
  return best;
}

QImage CellOf(const QImage& picture, int n) {
  const int c = (n - 1) % 6, r = (n - 1) / 6;
  const int x0 = c * picture.width() / 6, x1 = (c + 1) * picture.width() / 6;
  const int y0 = r * picture.height() / 6, y1 = (r + 1) * picture.height() / 6;
  return picture.copy(x0, y0, x1 - x0, y1 - y0).convertToFormat(QImage::Format_RGB32);
}

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

// The gamma g > 0 with (low^g + high^g) / 2 = grey^g (values as fractions of 255); 0 when none.
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

}  // namespace

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
          sum += DisplayLight(v, gamma);
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
