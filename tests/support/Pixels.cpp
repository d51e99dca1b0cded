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

QImage Reduced(const QImage& frame, QSize size) {
  return frame.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QRect PixelsInside(double left, double top, double right, double bottom, int inset) {
  const int l = static_cast<int>(std::ceil(left)) + inset, t = static_cast<int>(std::ceil(top)) + inset;
  const int r = static_cast<int>(std::floor(right)) - inset, b = static_cast<int>(std::floor(bottom)) - inset;
  return QRect(l, t, r - l, b - t);
}

QRect BlackInk(const QImage& frame) {
  int left = frame.width(), right = -1, top = frame.height(), bottom = -1;
  for (int y = 0; y < frame.height(); ++y)
    for (int x = 0; x < frame.width(); ++x) {
      const QRgb p = frame.pixel(x, y);
      if (qRed(p) < 128 && qGreen(p) < 128 && qBlue(p) < 128) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
    }
  return QRect(QPoint(left, top), QPoint(right, bottom));
}

int BlackRunHeight(const QImage& image) {
  const int x = image.width() / 2;
  int top = -1, bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    if (qGray(image.pixel(x, y)) < 128) {
      if (top < 0) top = y;
      bottom = y;
    }
  }
  return top < 0 ? 0 : bottom - top + 1;
}

double Darkness(const QImage& image, int x, int y) {
  const double v = qGray(image.pixel(x, y)) / 255.0;
  return 1 - (v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
}

int DarkPixels(const QImage& image, const QRect& area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) count += Darkness(image, x, y) > 0.5;
  return count;
}

int GreyPixels(const QImage& image, const QRect& area, int low, int high) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      const int grey = qGray(image.pixel(x, y));
      count += grey >= low && grey <= high;
    }
  return count;
}

int CountColour(const QImage& image, QColor colour, int tolerance) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      count += std::abs(qRed(p) - colour.red()) <= tolerance &&
               std::abs(qGreen(p) - colour.green()) <= tolerance &&
               std::abs(qBlue(p) - colour.blue()) <= tolerance;
    }
  return count;
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
