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
#include <string>

#include "platform/Bitmap.h"
#include "platform/SampledStretch.h"

namespace lenvari {
namespace {

QColor ToQColor(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

constexpr size_t kMaxPolygonPoints = 1024;

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

  // Antialiased edges reach about a pixel past the geometry; two keep every touched pixel in.
  void AddInk(const QRectF& area, double extra = 0) {
    const double margin = 2 + extra;
    const QRect pixels =
        area.normalized().adjusted(-margin, -margin, margin, margin).toAlignedRect() &
        image->rect();
    ink |= pixels;
    changed |= pixels;
    markedInk |= pixels;
    inkIsSnapshot.clear();
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

Canvas::Canvas(int pixelWidth, int pixelHeight) : impl_(std::make_unique<Impl>()) {
  *impl_->image = QImage(std::max(1, pixelWidth), std::max(1, pixelHeight), QImage::Format_RGB32);
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
  if (impl_->painter) {
    impl_->painter->setRenderHint(QPainter::Antialiasing, on);
    impl_->painter->setRenderHint(QPainter::TextAntialiasing, on);
  }
}

bool Canvas::Antialias() const { return impl_->antialias; }

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

void Canvas::FillBox(RectF box, Colour colour, int roundingPercent) {
  QPainter& p = impl_->Painter();
  const QRectF r = impl_->PxRect(box);
  impl_->AddInk(r);
  p.setPen(Qt::NoPen);
  p.setBrush(ToQColor(colour));
  if (roundingPercent <= 0) {
    p.drawRect(r);
  } else {
    // The corner is an ellipse of that percentage of the box's width and height, so full
    // rounding is the inscribed ellipse whatever the box's proportions.
    const double percent = std::min(roundingPercent, 100);
    p.drawRoundedRect(r, percent, percent, Qt::RelativeSize);
  }
}

void Canvas::OutlineBox(RectF box, Colour colour, int roundingPercent) {
  QPainter& p = impl_->Painter();
  const QRectF r = impl_->PxRect(box);
  QPen pen(ToQColor(colour));
  pen.setWidthF(std::max(1.0, impl_->penWidth));
  pen.setJoinStyle(Qt::MiterJoin);
  impl_->AddInk(r, pen.widthF());
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  if (roundingPercent <= 0) {
    p.drawRect(r);
  } else {
    // The corner is an ellipse of that percentage of the box's width and height, so full
    // rounding is the inscribed ellipse whatever the box's proportions.
    const double percent = std::min(roundingPercent, 100);
    p.drawRoundedRect(r, percent, percent, Qt::RelativeSize);
  }
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
  QPainter& p = impl_->Painter();
  if (impl_->penWidth > 0) {
    QPen pen(ToQColor(penColour));
    pen.setWidthF(impl_->penWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
  } else {
    p.setPen(Qt::NoPen);
  }
  // A mitre join can reach several pen widths past a sharp corner.
  impl_->AddInk(polygon.boundingRect(), impl_->penWidth * 5);
  p.setBrush(ToQColor(fill));
  p.drawPolygon(polygon, Qt::WindingFill);
}

void Canvas::DrawLine(PointF from, PointF to, Colour colour) {
  QPainter& p = impl_->Painter();
  QPen pen(ToQColor(colour));
  pen.setWidthF(std::max(1.0, impl_->penWidth));
  p.setPen(pen);
  impl_->AddInk(QRectF(impl_->Px(from), impl_->Px(to)), pen.widthF());
  p.drawLine(impl_->Px(from), impl_->Px(to));
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
  QPainter& p = impl_->Painter();
  p.setFont(impl_->font);
  const QString qtext = QString::fromStdString(text);
  const QPointF topLeft = impl_->Px({x, y});
  QFontMetricsF metrics(impl_->font);
  const QPointF baseline(topLeft.x(), topLeft.y() + metrics.ascent());
  impl_->AddInk(QRectF(topLeft, QSizeF(metrics.horizontalAdvance(qtext), metrics.height())) |
                    metrics.boundingRect(qtext).translated(baseline),
                metrics.maxWidth() / 4);
  if (impl_->textOpaque) {
    p.fillRect(QRectF(topLeft, QSizeF(metrics.horizontalAdvance(qtext), metrics.height())),
               ToQColor(impl_->textBackground));
  }
  p.setPen(ToQColor(impl_->textColour));
  p.drawText(baseline, qtext);
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

void Canvas::MarkAllChanged() { impl_->changed = QRegion(impl_->image->rect()); }

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
