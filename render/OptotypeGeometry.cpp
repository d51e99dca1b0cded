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

// The point of the ellipse (ax, ay) about (cx, cy) at angle `degrees`, moved inwards along the
// ellipse's normal by `width`.
DesignPoint EvenArcPoint(double cx, double cy, double ax, double ay, double width,
                         double degrees) {
  const double a = degrees * kPi / 180.0;
  const double nx = std::cos(a) / ax, ny = std::sin(a) / ay, length = std::hypot(nx, ny);
  return {cx + ax * std::cos(a) - width * nx / length, cy + ay * std::sin(a) - width * ny / length};
}

GlyphOutline EvenBand(double cx, double cy, double ax, double ay, double width, double from,
                      double to, double step) {
  GlyphOutline outer;
  AppendArc(outer, cx, cy, ax, ay, from, to, step);
  // The same angles again, each outer point moved inwards along the ellipse's normal.
  for (const DesignPoint& p : EvenArcPath(cx, cy, ax, ay, width, to, from, step)) {
    AppendPoint(outer, p.x, p.y);
  }
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

DesignPath ArcPath(double cx, double cy, double rx, double ry, double from, double to,
                   double step) {
  std::vector<double> angles;
  AppendArcAngles(angles, from, to, step);
  DesignPath path;
  for (double degrees : angles) {
    const double radians = degrees * kPi / 180.0;
    path.push_back({cx + rx * std::cos(radians), cy + ry * std::sin(radians)});
  }
  return path;
}

DesignPath EvenArcPath(double cx, double cy, double ax, double ay, double width, double from,
                       double to, double step) {
  // The grid of angles is the one of the arc run from the lower angle, so a band's inner edge
  // keeps its points whichever way it is run.
  std::vector<double> angles;
  AppendArcAngles(angles, std::min(from, to), std::max(from, to), step);
  if (from > to) std::reverse(angles.begin(), angles.end());
  DesignPath path;
  for (double degrees : angles) path.push_back(EvenArcPoint(cx, cy, ax, ay, width, degrees));
  return path;
}

namespace {

struct Crossing {
  size_t pathSegment = 0;  // the crossing lies on path[i] .. path[i + 1]
  size_t nextSegment = 0;
  DesignPoint at;
};

// Where segment p0-p1 crosses segment q0-q1, as the fraction along p0-p1; below 0 for none.
double SegmentCrossing(DesignPoint p0, DesignPoint p1, DesignPoint q0, DesignPoint q1) {
  const double rx = p1.x - p0.x, ry = p1.y - p0.y, sx = q1.x - q0.x, sy = q1.y - q0.y;
  const double denominator = rx * sy - ry * sx;
  if (std::abs(denominator) < 1e-12) return -1;  // parallel: no single crossing point
  const double t = ((q0.x - p0.x) * sy - (q0.y - p0.y) * sx) / denominator;
  const double u = ((q0.x - p0.x) * ry - (q0.y - p0.y) * rx) / denominator;
  return t >= 0 && t <= 1 && u >= 0 && u <= 1 ? t : -1;
}

bool FirstCrossing(const DesignPath& path, const DesignPath& next, Crossing& crossing) {
  for (size_t i = 0; i + 1 < path.size(); ++i) {
    double best = 2;
    for (size_t j = 0; j + 1 < next.size(); ++j) {
      const double t = SegmentCrossing(path[i], path[i + 1], next[j], next[j + 1]);
      if (t >= 0 && t < best) {
        best = t;
        crossing.nextSegment = j;
      }
    }
    if (best <= 1) {
      crossing.pathSegment = i;
      crossing.at = {path[i].x + best * (path[i + 1].x - path[i].x),
                     path[i].y + best * (path[i + 1].y - path[i].y)};
      return true;
    }
  }
  return false;
}

double Distance(DesignPoint a, DesignPoint b) { return std::hypot(b.x - a.x, b.y - a.y); }

DesignPoint UnitStep(DesignPoint from, DesignPoint to) {
  const double length = Distance(from, to);
  return length > 0 ? DesignPoint{(to.x - from.x) / length, (to.y - from.y) / length}
                    : DesignPoint{};
}

// The point `length` units from `from` along the points `along` (which start next to `from`),
// and how many of them lie before it.
DesignPoint WalkAlong(DesignPoint from, const std::vector<DesignPoint>& along, double length,
                      size_t& passed) {
  passed = 0;
  for (const DesignPoint& to : along) {
    const double d = Distance(from, to);
    if (d >= length && d > 0) {
      const double f = length / d;
      return {from.x + f * (to.x - from.x), from.y + f * (to.y - from.y)};
    }
    length -= d;
    from = to;
    ++passed;
  }
  return from;
}

}  // namespace

DesignPath JoinAtCrossing(const DesignPath& path, const DesignPath& next) {
  Crossing crossing;
  if (!FirstCrossing(path, next, crossing)) {
    DesignPath joined = path;
    Extend(joined, next);
    return joined;
  }
  const auto cut = static_cast<std::ptrdiff_t>(crossing.pathSegment) + 1;
  const auto resume = static_cast<std::ptrdiff_t>(crossing.nextSegment) + 1;
  DesignPath joined(path.begin(), path.begin() + cut);
  joined.push_back(crossing.at);
  joined.insert(joined.end(), next.begin() + resume, next.end());
  return joined;
}

DesignPath RoundedJoin(const DesignPath& path, const DesignPath& next, double reach) {
  Crossing crossing;
  if (!FirstCrossing(path, next, crossing)) return JoinAtCrossing(path, next);
  // Back along the path and on along the next edge, `reach` each way from the crossing.
  const auto cut = static_cast<std::ptrdiff_t>(crossing.pathSegment) + 1;
  const auto resume = static_cast<std::ptrdiff_t>(crossing.nextSegment) + 1;
  const std::vector<DesignPoint> before(path.rend() - cut, path.rend());
  const std::vector<DesignPoint> after(next.begin() + resume, next.end());
  size_t passedBefore = 0, passedAfter = 0;
  const DesignPoint start = WalkAlong(crossing.at, before, reach, passedBefore);
  const DesignPoint end = WalkAlong(crossing.at, after, reach, passedAfter);
  DesignPath joined(path.begin(), path.begin() + cut - static_cast<std::ptrdiff_t>(passedBefore));
  constexpr int kSegments = 8;
  for (int i = 0; i <= kSegments; ++i) {
    const double t = static_cast<double>(i) / kSegments;
    const double a = (1 - t) * (1 - t), b = 2 * t * (1 - t), c = t * t;
    joined.push_back({a * start.x + b * crossing.at.x + c * end.x,
                      a * start.y + b * crossing.at.y + c * end.y});
  }
  joined.insert(joined.end(), after.begin() + static_cast<std::ptrdiff_t>(passedAfter),
                after.end());
  return joined;
}

DesignPath Beyond(DesignPoint from, DesignPoint to) {
  constexpr double kOverrun = 10;
  const DesignPoint d = UnitStep(from, to);
  return {{from.x - kOverrun * d.x, from.y - kOverrun * d.y},
          {to.x + kOverrun * d.x, to.y + kOverrun * d.y}};
}

void Extend(DesignPath& path, const DesignPath& more) {
  path.insert(path.end(), more.begin(), more.end());
}

GlyphOutline SolidPath(const DesignPath& path) {
  GlyphOutline outline;
  for (const DesignPoint& p : path) AppendPoint(outline, p.x, p.y);
  // A closed path's last point repeats its first.
  while (outline.size() > 1 && outline.back().x == outline.front().x &&
         outline.back().y == outline.front().y) {
    outline.pop_back();
  }
  return Solid(outline);
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
