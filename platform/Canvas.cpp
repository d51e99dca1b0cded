#include "platform/Canvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRegion>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#if defined(__linux__)
#include <sys/mman.h>
#endif

#include "platform/Bitmap.h"
#include "platform/SampledStretch.h"
#include "platform/TransferCurve.h"

namespace lenvari {
namespace {

QColor ToQColor(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

constexpr size_t kMaxPolygonPoints = 1024;

// The same pen or brush in opaque white: what a shape covers, drawn into a coverage mask.
QPen CoveragePen(QPen pen) {
  if (pen.style() != Qt::NoPen) pen.setColor(Qt::white);
  return pen;
}
QBrush CoverageBrush(QBrush brush) {
  if (brush.style() != Qt::NoBrush) brush.setColor(Qt::white);
  return brush;
}

}  // namespace

struct Canvas::Impl {
  // Shared with the windows that show this canvas, so they read it without a copy and notice
  // when it is gone.
  std::shared_ptr<QImage> image = std::make_shared<QImage>();
  RectF scale;
  bool antialias = false;
  double penWidth = 0;
  QFont font;
  Colour textColour = kBlack;
  Colour textBackground = kWhite;
  bool textOpaque = false;
  // The painter stays open across drawing calls (opening one per call costs more than most
  // of the drawing); it is closed whenever the image itself is handed out.
  std::unique_ptr<QPainter> painter;

  // What was drawn since the last clear (ink), what changed since a window last took it, and
  // the ink since the last mark. Outside `ink` the image is all `background`.
  QRegion ink;
  QRegion changed;
  QRect markedInk;
  Colour background = kWhite;
  bool backgroundKnown = false;
  std::string snapshotKey;
  QImage snapshot;
  QRect snapshotRect;
  // A clear waits until something is drawn, so that a kept picture put back on the very
  // pixels it already covers costs nothing (the dial drawn again).
  QRegion pendingClear;
  Colour pendingColour = kWhite;
  // The key of the kept picture when it is all the ink there is.
  std::string inkIsSnapshot;

  // Smoothed shapes are first drawn as coverage into `mask` (transparent, all zero, outside a
  // shape being drawn), whose top-left pixel stands for the shape's area's, and then written
  // through the display's transfer curve. It grows to the largest area drawn. (The image
  // library hands the spans of 8-bit targets to its thread pool, which costs far more than
  // filling them for shapes of letter size; 32-bit white is drawn in place.)
  QImage mask;
  std::unique_ptr<QPainter> maskPainter;
  std::unique_ptr<TransferCurve> curve;
  double gamma = 0;
  // The ink drawn as a light of its own, dithered (none while `inkLight` is below 0).
  Colour inkColour = kBlack;
  double inkLight = -1;
  DitheredValue inkDither;

  // Antialiased edges reach about a pixel past the geometry; two keep every touched pixel in.
  // Returns the pixels counted.
  QRect AddInk(const QRectF& area, double extra = 0) {
    const double margin = 2 + extra;
    const QRect pixels =
        area.normalized().adjusted(-margin, -margin, margin, margin).toAlignedRect() &
        image->rect();
    ink |= pixels;
    changed |= pixels;
    markedInk |= pixels;
    inkIsSnapshot.clear();
    return pixels;
  }

  bool Dithered(Colour colour) const { return inkLight >= 0 && colour == inkColour; }
  bool InLight(Colour colour) const { return antialias || Dithered(colour); }

  // Draws a shape in `colour` inside `area` (its counted ink): straight onto the image, or
  // smoothed as coverage mixed with what is underneath in light.
  template <class Shape>
  void Put(const QRect& area, Colour colour, const QPen& pen, const QBrush& brush, Shape&& shape) {
    QPainter& p = Painter();
    if (!InLight(colour)) {
      p.setPen(pen);
      p.setBrush(brush);
      shape(p);
      return;
    }
    if (area.isEmpty()) return;
    QPainter& m = MaskPainter(area.size());
    m.setTransform(QTransform::fromTranslate(-area.left(), -area.top()));
    m.setClipRect(area);
    m.setPen(CoveragePen(pen));
    m.setBrush(CoverageBrush(brush));
    shape(m);
    WriteCoverage(area, colour);
  }

  QPainter& MaskPainter(QSize size) {
    if (mask.width() < size.width() || mask.height() < size.height()) {
      maskPainter.reset();
      mask = QImage(mask.size().expandedTo(size), QImage::Format_ARGB32_Premultiplied);
      mask.fill(0);
    }
    if (!maskPainter) {
      maskPainter = std::make_unique<QPainter>(&mask);
      maskPainter->setRenderHint(QPainter::Antialiasing, antialias);
      maskPainter->setRenderHint(QPainter::TextAntialiasing, antialias);
    }
    return *maskPainter;
  }

  // Mixes `colour` into the image over `area` by the mask's coverage, in light, per channel,
  // and leaves the mask all zero there again. Fully covered pixels get `colour` exactly and
  // uncovered ones keep their value; along a row, each covered run's rounding is carried from
  // one edge to the next, so a stroke's light across it is right to half an 8-bit step.
  void WriteCoverage(const QRect& area, Colour colour) {
    if (!curve) curve = std::make_unique<TransferCurve>(gamma);
    // The painter draws straight into the image's memory; writing there too is safe as long as
    // no copy of the image shares that memory (a copy would split it from the painter's).
    if (!image->isDetached()) EndPainting();
    const TransferCurve& c = *curve;
    if (Dithered(colour)) {
      WriteDitheredCoverage(area);
      return;
    }
    const int red = RedOf(colour), green = GreenOf(colour), blue = BlueOf(colour);
    const QRgb full = qRgb(red, green, blue);
    uchar* maskBits = mask.bits();  // only this canvas holds it: no copy
    uchar* imageBits = image->bits();
    const qsizetype maskStride = mask.bytesPerLine(), imageStride = image->bytesPerLine();
    const int width = area.width();
    for (int y = area.top(); y <= area.bottom(); ++y) {
      QRgb* cover = reinterpret_cast<QRgb*>(maskBits + (y - area.top()) * maskStride);
      QRgb* pixel = reinterpret_cast<QRgb*>(imageBits + y * imageStride) + area.left();
      int x = 0;
      int carryRed = 0, carryGreen = 0, carryBlue = 0;
      while (x < width) {
        // Whole runs of four untouched or fully covered pixels, the bulk of any shape.
        if (x + 4 <= width) {
          std::uint64_t four[2];
          std::memcpy(four, cover + x, sizeof four);
          if ((four[0] | four[1]) == 0) {
            carryRed = carryGreen = carryBlue = 0;
            x += 4;
            continue;
          }
          if ((four[0] & four[1]) == ~std::uint64_t{0}) {
            std::fill(pixel + x, pixel + x + 4, full);
            x += 4;
            continue;
          }
        }
        const int a = qAlpha(cover[x]);
        if (a == 255) {
          pixel[x] = full;
        } else if (a == 0) {
          carryRed = carryGreen = carryBlue = 0;
        } else {
          const QRgb under = pixel[x];
          pixel[x] = qRgb(c.Mix(a, red, qRed(under), carryRed), c.Mix(a, green, qGreen(under), carryGreen),
                          c.Mix(a, blue, qBlue(under), carryBlue));
        }
        ++x;
      }
      std::fill(cover, cover + width, QRgb{0});
    }
  }

  // The same for the ink with a light of its own: each pixel's ink is the dither's low or high
  // value by its place in the image's 8 x 8 cells, so the pattern stays put whatever is drawn.
  void WriteDitheredCoverage(const QRect& area) {
    const TransferCurve& c = *curve;
    const DitheredValue d = inkDither;
    uchar* maskBits = mask.bits();
    uchar* imageBits = image->bits();
    const qsizetype maskStride = mask.bytesPerLine(), imageStride = image->bytesPerLine();
    for (int y = area.top(); y <= area.bottom(); ++y) {
      QRgb* cover = reinterpret_cast<QRgb*>(maskBits + (y - area.top()) * maskStride);
      QRgb* pixel = reinterpret_cast<QRgb*>(imageBits + y * imageStride) + area.left();
      int carryRed = 0, carryGreen = 0, carryBlue = 0;
      for (int x = 0; x < area.width(); ++x) {
        const int a = qAlpha(cover[x]);
        if (a == 0) {
          carryRed = carryGreen = carryBlue = 0;
          continue;
        }
        const int ink = DitherTakesHigh(area.left() + x, y, d.highCount) ? d.high : d.low;
        const QRgb under = pixel[x];
        pixel[x] = a == 255 ? qRgb(ink, ink, ink)
                            : qRgb(c.Mix(a, ink, qRed(under), carryRed), c.Mix(a, ink, qGreen(under), carryGreen),
                                   c.Mix(a, ink, qBlue(under), carryBlue));
      }
      std::fill(cover, cover + area.width(), QRgb{0});
    }
  }

  QPainter& Painter() {
    QPainter& p = OpenPainter();
    if (!pendingClear.isEmpty()) {
      QRegion area;
      area.swap(pendingClear);
      for (const QRect& r : area) p.fillRect(r, ToQColor(pendingColour));
      changed |= area;
    }
    return p;
  }

  QPainter& OpenPainter() {
    if (!painter) {
      painter = std::make_unique<QPainter>(image.get());
      painter->setRenderHint(QPainter::Antialiasing, antialias);
      painter->setRenderHint(QPainter::TextAntialiasing, antialias);
      painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    }
    return *painter;
  }
  void EndPainting() { painter.reset(); }

  double Sx() const { return image->width() / (scale.right - scale.left); }
  double Sy() const { return image->height() / (scale.bottom - scale.top); }
  QPointF Px(PointF p) const { return {(p.x - scale.left) * Sx(), (p.y - scale.top) * Sy()}; }
  QRectF PxRect(RectF r) const {
    return QRectF(Px({r.left, r.top}), Px({r.right, r.bottom})).normalized();
  }
};

namespace {

// A display-size image is written whole for the first frame: on a 4K display some 8,000 pages
// of memory, and on some machines each first touch of a page costs tens of microseconds (a
// tenth of a second or more before the first chart shows). Where the system gives large pages
// on request, the image asks for them.
QImage NewImage(int width, int height) {
#if defined(__linux__)
  constexpr size_t kLargePage = 2u << 20;
  const qsizetype stride = static_cast<qsizetype>(width) * 4;
  const size_t bytes = static_cast<size_t>(stride) * static_cast<size_t>(height);
  if (bytes >= kLargePage) {
    const size_t rounded = (bytes + kLargePage - 1) / kLargePage * kLargePage;
    if (void* data = std::aligned_alloc(kLargePage, rounded)) {
      madvise(data, rounded, MADV_HUGEPAGE);
      return QImage(static_cast<uchar*>(data), width, height, stride, QImage::Format_RGB32,
                    [](void* buffer) { std::free(buffer); }, data);
    }
  }
#endif
  return QImage(width, height, QImage::Format_RGB32);
}

}  // namespace

Canvas::Canvas(int pixelWidth, int pixelHeight) : impl_(std::make_unique<Impl>()) {
  *impl_->image = NewImage(std::max(1, pixelWidth), std::max(1, pixelHeight));
  impl_->image->fill(Qt::white);
  impl_->backgroundKnown = true;
  impl_->changed = QRegion(impl_->image->rect());
  impl_->scale = {0, 0, static_cast<double>(impl_->image->width()),
                  static_cast<double>(impl_->image->height())};
  impl_->font = QFont("Arial");
  impl_->font.setPixelSize(16);
}

Canvas::~Canvas() = default;

int Canvas::PixelWidth() const { return impl_->image->width(); }
int Canvas::PixelHeight() const { return impl_->image->height(); }

void Canvas::SetScale(double left, double top, double right, double bottom) {
  if (right == left || bottom == top) return;  // a degenerate window would divide by zero
  impl_->scale = {left, top, right, bottom};
}

RectF Canvas::Scale() const { return impl_->scale; }

PointF Canvas::ToPixels(PointF units) const {
  const QPointF p = impl_->Px(units);
  return {p.x(), p.y()};
}

PointF Canvas::ToUnits(PointF pixels) const {
  return {impl_->scale.left + pixels.x / impl_->Sx(), impl_->scale.top + pixels.y / impl_->Sy()};
}

double Canvas::UnitsPerPixelX() const { return 1.0 / impl_->Sx(); }
double Canvas::UnitsPerPixelY() const { return 1.0 / impl_->Sy(); }

void Canvas::SetAntialias(bool on) {
  impl_->antialias = on;
  for (QPainter* p : {impl_->painter.get(), impl_->maskPainter.get()}) {
    if (!p) continue;
    p->setRenderHint(QPainter::Antialiasing, on);
    p->setRenderHint(QPainter::TextAntialiasing, on);
  }
}

bool Canvas::Antialias() const { return impl_->antialias; }

void Canvas::SetTransferGamma(double gamma) {
  gamma = gamma > 0 ? gamma : 0;
  if (gamma == impl_->gamma) return;
  impl_->gamma = gamma;
  impl_->curve.reset();
  if (impl_->inkLight >= 0) impl_->inkDither = DitherLight(impl_->inkLight, gamma);
}

void Canvas::SetInkLight(Colour ink, double light) {
  impl_->inkColour = ink;
  impl_->inkLight = light < 0 ? -1 : std::min(light, 1.0);
  if (impl_->inkLight >= 0) impl_->inkDither = DitherLight(impl_->inkLight, impl_->gamma);
}


void Canvas::Clear(Colour colour) {
  Impl& d = *impl_;
  if (d.backgroundKnown && d.background == colour) {
    // Outside the last ink the image already has this colour: a chart that changes a few
    // letters per key clears only where they were.
    d.pendingClear |= d.ink;
    d.pendingColour = colour;
  } else {
    d.EndPainting();
    d.image->fill(ToQColor(colour));
    d.changed = QRegion(d.image->rect());
    d.pendingClear = QRegion();
    d.inkIsSnapshot.clear();
  }
  d.background = colour;
  d.backgroundKnown = true;
  d.ink = QRegion();
}

namespace {

// A box with its corners rounded by that percentage of its width and height, so full rounding
// is the inscribed ellipse whatever the box's proportions.
void DrawBox(QPainter& p, const QRectF& r, int roundingPercent) {
  if (roundingPercent <= 0) {
    p.drawRect(r);
  } else {
    const double percent = std::min(roundingPercent, 100);
    p.drawRoundedRect(r, percent, percent, Qt::RelativeSize);
  }
}

}  // namespace

void Canvas::FillBox(RectF box, Colour colour, int roundingPercent) {
  const QRectF r = impl_->PxRect(box);
  const QRect area = impl_->AddInk(r);
  impl_->Put(area, colour, Qt::NoPen, ToQColor(colour),
             [&](QPainter& p) { DrawBox(p, r, roundingPercent); });
}

void Canvas::OutlineBox(RectF box, Colour colour, int roundingPercent) {
  const QRectF r = impl_->PxRect(box);
  QPen pen(ToQColor(colour));
  pen.setWidthF(std::max(1.0, impl_->penWidth));
  pen.setJoinStyle(Qt::MiterJoin);
  const QRect area = impl_->AddInk(r, pen.widthF());
  impl_->Put(area, colour, pen, Qt::NoBrush, [&](QPainter& p) { DrawBox(p, r, roundingPercent); });
}

void Canvas::FillPolygon(const std::vector<PointF>& points, Colour colour) {
  FillPolygonOutlined(points, colour, colour);
}

void Canvas::FillPolygonOutlined(const std::vector<PointF>& points, Colour fill, Colour penColour) {
  if (points.size() < 2) return;
  QPolygonF polygon;
  const size_t count = std::min(points.size(), kMaxPolygonPoints);
  polygon.reserve(static_cast<qsizetype>(count));
  for (size_t i = 0; i < count; ++i) polygon << impl_->Px(points[i]);
  QPen pen(Qt::NoPen);
  if (impl_->penWidth > 0) {
    pen = QPen(ToQColor(penColour));
    pen.setWidthF(impl_->penWidth);
    pen.setJoinStyle(Qt::MiterJoin);
  }
  // A mitre join can reach several pen widths past a sharp corner.
  const QRect area = impl_->AddInk(polygon.boundingRect(), impl_->penWidth * 5);
  auto shape = [&](QPainter& p) { p.drawPolygon(polygon, Qt::WindingFill); };
  if ((impl_->InLight(fill) || impl_->InLight(penColour)) && pen.style() != Qt::NoPen &&
      penColour != fill) {
    // Mixed in light one colour at a time: the fill, then the outline over it.
    impl_->Put(area, fill, Qt::NoPen, ToQColor(fill), shape);
    impl_->Put(area, penColour, pen, Qt::NoBrush, shape);
    return;
  }
  impl_->Put(area, fill, pen, ToQColor(fill), shape);
}

void Canvas::DrawLine(PointF from, PointF to, Colour colour) {
  QPen pen(ToQColor(colour));
  pen.setWidthF(std::max(1.0, impl_->penWidth));
  const QPointF a = impl_->Px(from), b = impl_->Px(to);
  const QRect area = impl_->AddInk(QRectF(a, b), pen.widthF());
  impl_->Put(area, colour, pen, Qt::NoBrush, [&](QPainter& p) { p.drawLine(a, b); });
}

void Canvas::SetPenWidth(double pixels) { impl_->penWidth = std::max(0.0, pixels); }
double Canvas::PenWidth() const { return impl_->penWidth; }

void Canvas::SetFont(const std::string& face, double pointSize, bool bold) {
  SetFontPixels(face, pointSize * 96.0 / 72.0, bold);
}

void Canvas::SetFontPixels(const std::string& face, double pixelHeight, bool bold) {
  QFont font(QString::fromStdString(face));
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelHeight))));
  font.setBold(bold);
  font.setStyleHint(QFont::AnyStyle, QFont::PreferMatch);
  impl_->font = font;
}

void Canvas::SetTextColour(Colour foreground) { impl_->textColour = foreground; }

void Canvas::SetTextBackground(Colour background, bool opaque) {
  impl_->textBackground = background;
  impl_->textOpaque = opaque;
}

double Canvas::TextWidth(const std::string& text) const {
  QFontMetricsF metrics(impl_->font);
  return metrics.horizontalAdvance(QString::fromStdString(text)) / impl_->Sx();
}

double Canvas::TextHeight() const {
  QFontMetricsF metrics(impl_->font);
  return metrics.height() / impl_->Sy();
}

void Canvas::PrintText(double x, double y, const std::string& text) {
  const QString qtext = QString::fromStdString(text);
  const QPointF topLeft = impl_->Px({x, y});
  QFontMetricsF metrics(impl_->font);
  const QPointF baseline(topLeft.x(), topLeft.y() + metrics.ascent());
  const QRectF box(topLeft, QSizeF(metrics.horizontalAdvance(qtext), metrics.height()));
  const QRect area =
      impl_->AddInk(box | metrics.boundingRect(qtext).translated(baseline), metrics.maxWidth() / 4);
  if (impl_->textOpaque) {
    impl_->Put(area, impl_->textBackground, Qt::NoPen, ToQColor(impl_->textBackground),
               [&](QPainter& p) { p.fillRect(box, p.brush()); });
  }
  impl_->Put(area, impl_->textColour, ToQColor(impl_->textColour), Qt::NoBrush, [&](QPainter& p) {
    p.setFont(impl_->font);
    p.drawText(baseline, qtext);
  });
}

void Canvas::StretchBitmap(const Bitmap& bitmap, RectF target) {
  if (bitmap.Empty()) return;
  StretchBitmapPart(bitmap, {0, 0, static_cast<double>(bitmap.Width()),
                             static_cast<double>(bitmap.Height())}, target);
}

void Canvas::StretchBitmapPart(const Bitmap& bitmap, RectF source, RectF target) {
  if (bitmap.Empty()) return;
  QPainter& p = impl_->Painter();
  const QPointF a = impl_->Px({target.left, target.top});
  const QPointF b = impl_->Px({target.right, target.bottom});
  const QRectF src(source.left, source.top, source.right - source.left, source.bottom - source.top);
  const bool mirrorX = b.x() < a.x();
  const bool mirrorY = b.y() < a.y();
  const QRectF dest = QRectF(a, b).normalized();
  impl_->AddInk(dest);
  p.save();
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
  p.translate(dest.center());
  p.scale(mirrorX ? -1 : 1, mirrorY ? -1 : 1);
  p.drawImage(QRectF(-dest.width() / 2, -dest.height() / 2, dest.width(), dest.height()),
              bitmap.Image(), src);
  p.restore();
}

void Canvas::StretchCanvas(const Canvas& other, RectF target) {
  const QImage& source = other.Image();
  QPainter& p = impl_->Painter();
  impl_->AddInk(impl_->PxRect(target));
  p.save();
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
  p.drawImage(impl_->PxRect(target), source);
  p.restore();
}

void Canvas::StretchCanvasSampled(const Canvas& other, RectF target) {
  const QImage& source = other.Image();
  // The copy is written past the painter: a clear still waiting would land on it later.
  impl_->Painter();
  impl_->EndPainting();
  const QRect written = SampleImageInto(source, *impl_->image, impl_->PxRect(target));
  if (!written.isEmpty()) impl_->AddInk(written, -2);
}

std::vector<Canvas::PixelRect> Canvas::TakeChangedRects() {
  std::vector<PixelRect> rects;
  for (const QRect& r : impl_->changed) rects.push_back({r.left(), r.top(), r.width(), r.height()});
  impl_->changed = QRegion();
  return rects;
}


void Canvas::MarkInk() { impl_->markedInk = QRect(); }

void Canvas::KeepInkSnapshot(const std::string& key) {
  Impl& d = *impl_;
  d.Painter();
  d.EndPainting();
  d.snapshotKey = key;
  d.snapshotRect = d.markedInk;
  d.snapshot = d.markedInk.isEmpty() ? QImage() : d.image->copy(d.markedInk);
  // Outside the drawn pixels the rectangle holds background, so it may count as ink whole.
  d.ink |= d.snapshotRect;
  if (d.ink == QRegion(d.snapshotRect)) d.inkIsSnapshot = key;
}

bool Canvas::RestoreInkSnapshot(const std::string& key) {
  Impl& d = *impl_;
  if (d.snapshotKey != key || d.snapshot.isNull()) return false;
  if (d.inkIsSnapshot == key && d.ink.isEmpty() && d.pendingClear == QRegion(d.snapshotRect)) {
    // The picture is still on the screen, untouched: the clear that waits is not needed.
    d.pendingClear = QRegion();
    d.ink = QRegion(d.snapshotRect);
    return true;
  }
  QPainter& p = d.Painter();
  p.save();
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(d.snapshotRect.topLeft(), d.snapshot);
  p.restore();
  d.AddInk(d.snapshotRect, -2);
  if (d.ink == QRegion(d.snapshotRect)) d.inkIsSnapshot = key;
  return true;
}

std::weak_ptr<const QImage> Canvas::SharedImage() const { return impl_->image; }

const QImage& Canvas::Image() const {
  if (!impl_->pendingClear.isEmpty()) impl_->Painter();
  impl_->EndPainting();
  return *impl_->image;
}

}  // namespace lenvari
