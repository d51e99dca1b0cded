#include "support/Pixels.h"

#include <algorithm>
#include <cmath>
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

int CountColour(const QImage& image, QColor colour, int tolerance) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor p = image.pixelColor(x, y);
      count += std::abs(p.red() - colour.red()) <= tolerance &&
               std::abs(p.green() - colour.green()) <= tolerance &&
               std::abs(p.blue() - colour.blue()) <= tolerance;
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

}  // namespace lenvari
