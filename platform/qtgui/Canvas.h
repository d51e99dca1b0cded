#pragma once
// A drawing target: an image of fixed pixel size with a real-valued coordinate window mapped
// onto the whole of it. Everything the chart, the galleries and the calibration screen draw
// goes through these operations; callers never see the image library behind it.

#include <memory>
#include <string>
#include <vector>

#include "common/Colour.h"

class QImage;

namespace lenvari {

struct PointF {
  double x = 0;
  double y = 0;
};

struct RectF {
  double left = 0, top = 0, right = 0, bottom = 0;
};

class Bitmap;

class Canvas {
 public:
  Canvas(int pixelWidth, int pixelHeight);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  int PixelWidth() const;
  int PixelHeight() const;

  // The coordinate window: (left, top) maps onto the top-left corner of the image and
  // (right, bottom) onto its bottom-right corner. Without a call, units are pixels.
  void SetScale(double left, double top, double right, double bottom);
  RectF Scale() const;
  // Converts between units and pixels (pixel coordinates are real: 0 is the left edge).
  PointF ToPixels(PointF units) const;
  PointF ToUnits(PointF pixels) const;
  double UnitsPerPixelX() const;
  double UnitsPerPixelY() const;

  // Antialiasing of polygons, boxes and text (smoothing); off draws hard pixel edges.
  // Smoothed edges are mixed with what lies under them in light, not in 8-bit values, so that a
  // pixel half covered gives half the light of the difference and strokes keep their width.
  void SetAntialias(bool on);
  bool Antialias() const;
  // The display's transfer curve for that mixing: a pure power `gamma` (a measured display)
  // when above 0, otherwise sRGB.
  void SetTransferGamma(double gamma);
  // Every shape in the grey `ink` is drawn at the light `light` (0 .. 1 of white's) instead,
  // smoothed or not: where that light falls between two 8-bit values, each pixel takes one of
  // them by an 8 x 8 ordered dither, so the light averaged over a cell is the one asked for. A
  // light below 0 draws `ink` as itself again.
  void SetInkLight(Colour ink, double light);

  void Clear(Colour colour);
  // Box between two corners; corners rounded by 0 .. 100 % of the half width and half height
  // (100 = the inscribed ellipse).
  void FillBox(RectF box, Colour colour, int roundingPercent = 0);
  // Outline drawn with the current pen width (in pixels), centred on the box edge.
  void OutlineBox(RectF box, Colour colour, int roundingPercent = 0);
  // Filled polygon, non-zero winding rule, edge drawn with the current pen in the same colour
  // when the pen width is above 0. At most 1024 points are used.
  void FillPolygon(const std::vector<PointF>& points, Colour colour);
  // Filled polygon with an outline of another colour (the pen), non-zero winding.
  void FillPolygonOutlined(const std::vector<PointF>& points, Colour fill, Colour pen);
  void DrawLine(PointF from, PointF to, Colour colour);
  void SetPenWidth(double pixels);
  double PenWidth() const;

  // Font by face name and point size (1 point = 96/72 device pixels, as on a 96-dpi screen),
  // or by its pixel height directly. Faces missing on the machine fall back to a metric twin.
  void SetFont(const std::string& face, double pointSize, bool bold = false);
  void SetFontPixels(const std::string& face, double pixelHeight, bool bold = false);
  void SetTextColour(Colour foreground);
  // Opaque background behind text; by default text is drawn transparently.
  void SetTextBackground(Colour background, bool opaque);
  // Text extent in units.
  double TextWidth(const std::string& text) const;
  double TextHeight() const;
  // Prints the text with its top-left corner at (x, y) in units.
  void PrintText(double x, double y, const std::string& text);

  // Stretches the whole bitmap, or the part `source` (in bitmap pixels), onto the rectangle in
  // units with smooth (halftone) filtering. A rectangle whose left is right of its right
  // mirrors the picture.
  void StretchBitmap(const Bitmap& bitmap, RectF target);
  void StretchBitmapPart(const Bitmap& bitmap, RectF source, RectF target);
  // Copies another canvas's whole image onto the rectangle in units (thumbnails).
  void StretchCanvas(const Canvas& other, RectF target);
  // The same copy, each pixel the mean of a grid of samples over the source pixels it covers:
  // a smooth reduction that costs the rectangle's size, not the source's (a live thumbnail of a
  // large frame).
  void StretchCanvasSampled(const Canvas& other, RectF target);

  // Pixel rectangle (left, top, width, height) in image pixels; empty when width is 0.
  struct PixelRect {
    int left = 0, top = 0, width = 0, height = 0;
  };
  // Everything drawn or cleared since the last call, as rectangles that do not overlap: what a
  // window showing this canvas has to refresh. A clear in a new colour covers the whole image.
  std::vector<PixelRect> TakeChangedRects();

  // Keeps a copy of the pixels drawn since `MarkInk` under `key`, replacing any earlier copy,
  // and puts such a copy back at its place. A picture that is expensive to draw and often
  // repeated (the clock dial) is drawn once and then copied; the key names everything its
  // pixels depend on.
  void MarkInk();
  void KeepInkSnapshot(const std::string& key);
  bool RestoreInkSnapshot(const std::string& key);

  const QImage& Image() const;
  // The image itself, for a window that shows it without copying; expires with the canvas.
  std::weak_ptr<const QImage> SharedImage() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace lenvari
