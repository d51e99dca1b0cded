#include "render/OptotypeGeometry.h"

#include <algorithm>
#include <cmath>

#include "common/NumberText.h"

namespace lenvari {
namespace {

constexpr double kPi = 3.14159265358979323846;

}  // namespace

void AppendPoint(GlyphOutline& outline, double x, double y) {
  const GlyphPoint p{static_cast<int>(RoundHalfEven(x)), static_cast<int>(RoundHalfEven(y))};
  // Where two pieces meet on a shared vertex it is kept once.
  if (!outline.empty() && outline.back().x == p.x && outline.back().y == p.y) return;
  outline.push_back(p);
}

namespace {

// The angles of an arc's vertices: both ends exactly, and every multiple of `step` between.
void AppendArcAngles(std::vector<double>& angles, double from, double to, double step) {
  auto at = [&](double degrees) { angles.push_back(degrees); };
  at(from);
  // Grid angles strictly between the ends; a grid angle within a hundredth of a degree of an
  // end is the end itself.
  constexpr double kSame = 0.01;
  if (to > from) {
    for (double a = std::floor(from / step + 1) * step; a < to - kSame; a += step) {
      if (a > from + kSame) at(a);
    }
  } else {
    for (double a = std::ceil(from / step - 1) * step; a > to + kSame; a -= step) {
      if (a < from - kSame) at(a);
    }
  }
  at(to);
}

}  // namespace

void AppendArc(GlyphOutline& outline, double cx, double cy, double rx, double ry, double from,
               double to, double step) {
  std::vector<double> angles;
  AppendArcAngles(angles, from, to, step);
  for (double degrees : angles) {
    const double radians = degrees * kPi / 180.0;
    AppendPoint(outline, cx + rx * std::cos(radians), cy + ry * std::sin(radians));
  }
}

void AppendCurve(GlyphOutline& outline, double fromX, double fromY, double controlX,
                 double controlY, double toX, double toY, int segments) {
  for (int i = 0; i <= segments; ++i) {
    const double t = static_cast<double>(i) / segments;
    const double a = (1 - t) * (1 - t), b = 2 * t * (1 - t), c = t * t;
    AppendPoint(outline, a * fromX + b * controlX + c * toX, a * fromY + b * controlY + c * toY);
  }
}

double SignedArea2(const GlyphOutline& loop) {
  double sum = 0;
  for (size_t i = 0; i < loop.size(); ++i) {
    const GlyphPoint& p = loop[i];
    const GlyphPoint& q = loop[(i + 1) % loop.size()];
    sum += static_cast<double>(p.x) * q.y - static_cast<double>(q.x) * p.y;
  }
  return sum;
}

// Turning keeps the first point first: it is where the slit to the loop arrives.
GlyphOutline Solid(GlyphOutline loop) {
  if (loop.size() > 2 && SignedArea2(loop) < 0) std::reverse(loop.begin() + 1, loop.end());
  return loop;
}

GlyphOutline Counter(GlyphOutline loop) {
  if (loop.size() > 2 && SignedArea2(loop) > 0) std::reverse(loop.begin() + 1, loop.end());
  return loop;
}

GlyphOutline JoinLoops(const std::vector<GlyphOutline>& loops) {
  GlyphOutline joined;
  for (const GlyphOutline& loop : loops) {
    if (loop.empty()) continue;
    joined.insert(joined.end(), loop.begin(), loop.end());
    const bool closed = loop.front().x == loop.back().x && loop.front().y == loop.back().y;
    if (!closed) joined.push_back(loop.front());
  }
  // Back along the slits; the step from the first loop's start to the second one is the
  // outline's own closing edge.
  for (size_t i = loops.size() - 1; i >= 2 && i < loops.size(); --i) {
    if (!loops[i - 1].empty()) joined.push_back(loops[i - 1].front());
  }
  return joined;
}

GlyphOutline EllipseRing(double cx, double cy, double ax, double ay, double bx, double by,
                         double slitAngle, double step) {
  GlyphOutline outer, inner;
  AppendArc(outer, cx, cy, ax, ay, slitAngle, slitAngle + 360, step);
  AppendArc(inner, cx, cy, bx, by, slitAngle + 360, slitAngle, step);
  return JoinLoops({outer, inner});
}

GlyphOutline EllipseBand(double cx, double cy, double ax, double ay, double bx, double by,
                         double from, double to, double step) {
  GlyphOutline band;
  AppendArc(band, cx, cy, ax, ay, from, to, step);
  AppendArc(band, cx, cy, bx, by, to, from, step);
  return Solid(band);
}

GlyphOutline EvenBand(double cx, double cy, double ax, double ay, double width, double from,
                      double to, double step) {
  GlyphOutline outer, inner;
  AppendArc(outer, cx, cy, ax, ay, from, to, step);
  // The same angles again, each outer point moved inwards along the ellipse's normal.
  std::vector<double> angles;
  AppendArcAngles(angles, from, to, step);
  for (auto it = angles.rbegin(); it != angles.rend(); ++it) {
    const double a = *it * kPi / 180.0;
    const double nx = std::cos(a) / ax, ny = std::sin(a) / ay, length = std::hypot(nx, ny);
    AppendPoint(inner, cx + ax * std::cos(a) - width * nx / length,
                cy + ay * std::sin(a) - width * ny / length);
  }
  outer.insert(outer.end(), inner.begin(), inner.end());
  return Solid(outer);
}

GlyphOutline Polygon(const std::vector<int>& xy) {
  GlyphOutline outline;
  for (size_t i = 0; i + 1 < xy.size(); i += 2) outline.push_back({xy[i], xy[i + 1]});
  return Solid(outline);
}

GlyphOutline Turned(const GlyphOutline& outline) {
  GlyphOutline turned;
  turned.reserve(outline.size());
  for (const GlyphPoint& p : outline) turned.push_back({-p.x, -p.y});
  return turned;
}

}  // namespace lenvari

namespace lenvari {

GlyphOutline EllipseShape(double cx, double cy, double rx, double ry, double step) {
  GlyphOutline shape;
  AppendArc(shape, cx, cy, rx, ry, 0, 360 - step, step);
  return shape;
}

GlyphOutline Capsule(double x1, double y1, double x2, double y2, double radius) {
  const double direction = std::atan2(y2 - y1, x2 - x1) * 180.0 / 3.14159265358979323846;
  GlyphOutline capsule;
  AppendArc(capsule, x2, y2, radius, radius, direction - 90, direction + 90, 15);
  AppendArc(capsule, x1, y1, radius, radius, direction + 90, direction + 270, 15);
  return Solid(capsule);
}

GlyphOutline RoundedBox(double left, double top, double right, double bottom, double radius) {
  GlyphOutline box;
  AppendArc(box, right - radius, top + radius, radius, radius, -90, 0, 15);
  AppendArc(box, right - radius, bottom - radius, radius, radius, 0, 90, 15);
  AppendArc(box, left + radius, bottom - radius, radius, radius, 90, 180, 15);
  AppendArc(box, left + radius, top + radius, radius, radius, 180, 270, 15);
  return box;
}

GlyphOutline Flame(double cx, double cy, double radius, double tipY) {
  GlyphOutline flame;
  AppendArc(flame, cx, cy, radius, radius, -30, 210, 15);
  AppendCurve(flame, cx - radius * 0.866, cy - radius * 0.5, cx - radius * 0.5,
              (cy + tipY) / 2, cx, tipY, 6);
  AppendCurve(flame, cx, tipY, cx + radius * 0.5, (cy + tipY) / 2, cx + radius * 0.866,
              cy - radius * 0.5, 6);
  return Solid(flame);
}

}  // namespace lenvari
