#include "render/Optotype.h"

#include <vector>

#include "platform/qtgui/Canvas.h"
#include "render/OptotypeShapes.h"

namespace lenvari {
namespace {

constexpr size_t kMinPolygonPoints = 2;
constexpr size_t kMaxPolygonPoints = 1024;

void FillOutline(Canvas& canvas, const std::vector<PointF>& points, Colour colour) {
  if (points.size() < kMinPolygonPoints || points.size() > kMaxPolygonPoints) return;
  canvas.FillPolygon(points, colour);
}

// A direction 1 (left), 2 (up), 3 (right) or 4 (down) other than the last one drawn. The
// engine's raw output is used directly (four divides 2^32 evenly) so a seeded run draws the same
// directions on every platform.
int DrawDirection(int& lastDirection, std::mt19937& random) {
  int direction = 0;
  do {
    direction = static_cast<int>(random() % 4) + 1;
  } while (direction == lastDirection);
  lastDirection = direction;
  return direction;
}

}  // namespace

void DrawOptotype(Canvas& canvas, const OptotypeShapes& shapes, std::string& key, Colour colour,
                  double x, double y, double size, int mirror, ChartMode mode,
                  int& lastDirection, std::mt19937& random) {
  const GlyphKey* entry = shapes.FindKey(key);
  if (!entry || entry->record < 0) return;
  const GlyphRecord& record = shapes.records[static_cast<size_t>(entry->record)];
  const double k = size / 200.0;

  const bool landolt = key == "C" && mode == ChartMode::LandoltC;
  if (landolt || (key == "E" && mode == ChartMode::TumblingE)) {
    const GlyphOutline& outline = landolt ? shapes.landoltRing : record.parts.front();
    const int d = DrawDirection(lastDirection, random);
    std::vector<PointF> points;
    points.reserve(outline.size());
    for (const GlyphPoint& g : outline) {
      if (d == 1 || d == 3) {
        // Left and right swap sides in a mirrored room; what the patient sees stays d.
        points.push_back({x + k * g.x * (d - 2) * mirror, y + k * g.y});
      } else {
        // The glyphs turned up or down are symmetric left to right: no mirror factor.
        points.push_back({x + k * g.y, y + k * g.x * (d - 3)});
      }
    }
    FillOutline(canvas, points, colour);
    static const char* const kNames[] = {"L", "U", "R", "D"};
    key = kNames[d - 1];
    return;
  }

  const double fx = (entry->mirrored ? mirror : 1) * (entry->negateX ? -1 : 1);
  const double fy = entry->negateY ? -1 : 1;
  const double scale = record.multiPart ? k * record.sizeField / 1000.0 : k;
  std::vector<PointF> points;
  for (const GlyphOutline& part : record.parts) {
    points.clear();
    points.reserve(part.size());
    for (const GlyphPoint& g : part) points.push_back({x + scale * g.x * fx, y + scale * g.y * fy});
    FillOutline(canvas, points, colour);
  }
}

}  // namespace lenvari
