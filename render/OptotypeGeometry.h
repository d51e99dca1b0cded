#pragma once
// Building blocks for the curved outlines: arcs with a vertex every few degrees, rounded to whole
// design units, and the joining of several loops into one outline along zero-width slits.
// Angles are in degrees from +x towards +y (clockwise on the screen, where y grows downwards).

#include <vector>

#include "render/OptotypeShapes.h"

namespace lenvari {

// Appends the arc of the ellipse about (cx, cy) with radii (rx, ry) from angle `from` to angle
// `to` (either direction): both end angles exactly, and between them every multiple of `step`.
void AppendArc(GlyphOutline& outline, double cx, double cy, double rx, double ry, double from,
               double to, double step = 5);
inline void AppendCircleArc(GlyphOutline& outline, double cx, double cy, double r, double from,
                            double to, double step = 5) {
  AppendArc(outline, cx, cy, r, r, from, to, step);
}

// Appends a point rounded to whole units.
void AppendPoint(GlyphOutline& outline, double x, double y);

// Points of a quadratic curve from `from` to `to` bent towards `control` (the end points
// included), for the gently curved edges of strokes.
void AppendCurve(GlyphOutline& outline, double fromX, double fromY, double controlX,
                 double controlY, double toX, double toY, int segments);

// Twice the signed area: positive when the loop runs clockwise on the screen.
double SignedArea2(const GlyphOutline& loop);
// The loop turned, if need be, to run clockwise on the screen (a solid) or anticlockwise (a
// counter); the non-zero fill then adds solids and subtracts counters.
GlyphOutline Solid(GlyphOutline loop);
GlyphOutline Counter(GlyphOutline loop);

// Joins loops into one outline: each loop is closed back to its own first point, the next loop
// starts from there, and after the last loop the path returns through the earlier loops' first
// points, so every connecting slit is run once each way and adds nothing to the fill. Put each
// loop's first point where the slit to it crosses solid ground.
GlyphOutline JoinLoops(const std::vector<GlyphOutline>& loops);

// A ring between two concentric ellipses about (cx, cy): outer radii (ax, ay), inner (bx, by),
// the counter reached along a slit at angle `slitAngle`.
GlyphOutline EllipseRing(double cx, double cy, double ax, double ay, double bx, double by,
                         double slitAngle = 0, double step = 5);

// A stroke of even `width` along the inside of the ellipse (ax, ay) about (cx, cy) from angle
// `from` to `to`: the inner edge is the outer one moved inwards along its normals, so the stroke
// keeps its width where the ellipse is flat as well as where it is round. Runs clockwise.
GlyphOutline EvenBand(double cx, double cy, double ax, double ay, double width, double from,
                      double to, double step = 5);

// A polygon of straight edges, given as x, y pairs, made to run clockwise.
GlyphOutline Polygon(const std::vector<int>& xy);

// The outline turned by 180 degrees (every point negated).
GlyphOutline Turned(const GlyphOutline& outline);

// Outlines traced along the edges of several strokes. Strokes laid edge to edge, or one
// overlapping another, do not make one clean shape: a joint whose two cut edges differ by a
// rounded unit leaves a hairline seam, two strokes meeting at an angle leave a notch, and
// coverage drawn twice darkens an edge. So a glyph made of strokes follows each stroke's edge up
// to where it meets the next stroke's edge and goes on along that one; points stay exact until
// the finished path is rounded to whole units.
struct DesignPoint {
  double x = 0;
  double y = 0;
};
using DesignPath = std::vector<DesignPoint>;

// The points AppendArc would give, before rounding.
DesignPath ArcPath(double cx, double cy, double rx, double ry, double from, double to,
                   double step = 5);
// The inner edge of EvenBand(cx, cy, ax, ay, width, ...), from angle `from` to angle `to`.
DesignPath EvenArcPath(double cx, double cy, double ax, double ay, double width, double from,
                       double to, double step = 5);
// The point of that inner edge at angle `degrees`.
DesignPoint EvenArcPoint(double cx, double cy, double ax, double ay, double width,
                         double degrees);
// `path` up to the point where it first crosses `next`, then `next` on from there. Without a
// crossing, `next` simply follows.
DesignPath JoinAtCrossing(const DesignPath& path, const DesignPath& next);
// The same with the corner at the crossing rounded off: a curve from `reach` units before the
// crossing along `path` to `reach` units after it along `next`, bent towards the crossing.
DesignPath RoundedJoin(const DesignPath& path, const DesignPath& next, double reach);
// The straight edge from `from` to `to`, lengthened a little at both ends so that it crosses
// the edges it joins.
DesignPath Beyond(DesignPoint from, DesignPoint to);
// `path` with `more` appended.
void Extend(DesignPath& path, const DesignPath& more);
// The path rounded to whole units, as a loop running clockwise.
GlyphOutline SolidPath(const DesignPath& path);

}  // namespace lenvari

namespace lenvari {

// Closed shapes for the pictures, all running clockwise.
// An ellipse about (cx, cy).
GlyphOutline EllipseShape(double cx, double cy, double rx, double ry, double step = 10);
// A stroke with round ends between two points, `radius` half its width.
GlyphOutline Capsule(double x1, double y1, double x2, double y2, double radius);
// A box with corners rounded by `radius`.
GlyphOutline RoundedBox(double left, double top, double right, double bottom, double radius);
// A flame: a round bottom of `radius` about (cx, cy) drawn up to a point at height `tipY`.
GlyphOutline Flame(double cx, double cy, double radius, double tipY);

}  // namespace lenvari
