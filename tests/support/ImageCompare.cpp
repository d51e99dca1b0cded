#include "support/ImageCompare.h"

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

}  // namespace lenvari
