#include "platform/qt/CanvasWindow.h"

#include <QBackingStore>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cmath>

#include "platform/Canvas.h"
#include "platform/DesktopPixels.h"
#include "platform/KeyQueue.h"
#include "platform/MemoryPrefault.h"

namespace lenvari {
namespace {

constexpr int kPointerHideMilliseconds = 2000;

class CanvasWidget : public QWidget {
 public:
  CanvasWidget() {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    pointerTimer.setSingleShot(true);
    pointerTimer.setInterval(kPointerHideMilliseconds);
    QObject::connect(&pointerTimer, &QTimer::timeout, this, [this] { setCursor(Qt::BlankCursor); });
  }

  // The patient must not see the mouse pointer on the chart: it goes after a moment without
  // movement and comes back as soon as the mouse moves.
  void HidePointerWhenStill(bool on) {
    hidePointer = on;
    setMouseTracking(on);
    if (on) {
      pointerTimer.start();
    } else {
      pointerTimer.stop();
      unsetCursor();
    }
  }

  // The canvas's own image, read in place: presenting copies nothing but the changed
  // rectangle into the window system's buffer.
  std::weak_ptr<const QImage> image;
  KeyQueue queue;
  bool clickPending = false;
  QPointF click;
  bool closed = false;
  bool hidePointer = false;
  QTimer pointerTimer;

 protected:
  // The window system's buffer for a full-screen window is as large as the chart and fresh
  // after every resize; its pages are mapped in one call before the first paint writes them.
  void PrefaultBackingStore() {
    QBackingStore* store = backingStore();
    if (!store) return;
    QPaintDevice* device = store->paintDevice();
    if (!device || device->devType() != QInternal::Image) return;
    const auto* buffer = static_cast<const QImage*>(device);
    if (buffer->constBits() == prefaulted) return;
    prefaulted = buffer->constBits();
    PrefaultPages(buffer->constBits(), static_cast<std::size_t>(buffer->sizeInBytes()));
  }
  const uchar* prefaulted = nullptr;

  void mouseMoveEvent(QMouseEvent*) override {
    if (!hidePointer) return;
    unsetCursor();
    pointerTimer.start();
  }
  void paintEvent(QPaintEvent* event) override {
    PrefaultBackingStore();
    QPainter painter(this);
    const std::shared_ptr<const QImage> shown = image.lock();
    if (!shown || shown->isNull()) {
      painter.fillRect(rect(), Qt::black);
      return;
    }
    // One image pixel per device pixel: the widget's logical size is the device size over
    // the screen's pixel ratio.
    const qreal ratio = devicePixelRatioF();
    for (const QRect& area : event->region()) {
      const QRect source(static_cast<int>(std::floor(area.left() * ratio)),
                         static_cast<int>(std::floor(area.top() * ratio)),
                         static_cast<int>(std::ceil(area.width() * ratio)) + 1,
                         static_cast<int>(std::ceil(area.height() * ratio)) + 1);
      const QRect clipped = source & shown->rect();
      if (clipped.isEmpty()) continue;
      painter.drawImage(QRectF(clipped.left() / ratio, clipped.top() / ratio,
                               clipped.width() / ratio, clipped.height() / ratio),
                        *shown, clipped);
    }
  }
  void keyPressEvent(QKeyEvent* event) override { queue.Receive(*event); }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton) return;
    const qreal ratio = devicePixelRatioF();
    click = event->position() * ratio;
    clickPending = true;
  }
  void mouseDoubleClickEvent(QMouseEvent*) override { clickPending = false; }
  void closeEvent(QCloseEvent* event) override {
    closed = true;
    event->accept();
  }
};

}  // namespace

struct CanvasWindow::Impl {
  CanvasWidget widget;
  int left = 0, top = 0, width = 0, height = 0;
  bool topMost = false;
  bool fullScreen = false;
  bool frameAtCorner = false;

  void Place() {
    const DesktopPlacement placement = LogicalPlacement(left, top, width, height);
    // The window belongs to the monitor that holds its corner, whatever that monitor's scaling.
    widget.winId();
    if (QWindow* handle = widget.windowHandle()) handle->setScreen(ScreenAtDevicePoint(left, top));
    if (frameAtCorner) {
      widget.resize(placement.width, placement.height);
      if (QWindow* handle = widget.windowHandle())
        handle->setFramePosition(QPoint(placement.x, placement.y));
    } else {
      widget.setGeometry(placement.x, placement.y, placement.width, placement.height);
    }
  }
};

CanvasWindow::CanvasWindow(const std::string& caption, int left, int top, int width, int height,
                           bool frameless)
    : impl_(std::make_unique<Impl>()) {
  impl_->left = left;
  impl_->top = top;
  impl_->width = std::max(1, width);
  impl_->height = std::max(1, height);
  impl_->widget.setWindowTitle(QString::fromStdString(caption));
  if (frameless) impl_->widget.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  impl_->Place();
}

CanvasWindow::~CanvasWindow() = default;

void CanvasWindow::SetFullScreen(bool on) {
  impl_->fullScreen = on;
  // What the window asks to be, whatever state the window system last reported: the console
  // host stacks its questions above this window.
  impl_->widget.setProperty("lenvariFullScreen", on);
  impl_->topMost = on;
  impl_->widget.setWindowFlag(Qt::WindowStaysOnTopHint, on);
}

void CanvasWindow::SetFrameAtCorner(bool on) { impl_->frameAtCorner = on; }

void CanvasWindow::SetShowWithoutActivating(bool on) {
  impl_->widget.setAttribute(Qt::WA_ShowWithoutActivating, on);
  // The attribute reaches the window system only with a native window created after it; this
  // one was created when it was placed.
  if (QWindow* handle = impl_->widget.windowHandle())
    handle->setProperty("_q_showWithoutActivating", on);
}

void CanvasWindow::Show() {
  impl_->widget.closed = false;
  impl_->Place();
  if (impl_->fullScreen) {
    impl_->widget.showFullScreen();
    impl_->widget.HidePointerWhenStill(true);
  } else {
    impl_->widget.show();
    impl_->Place();
  }
  impl_->widget.raise();
  if (!impl_->widget.testAttribute(Qt::WA_ShowWithoutActivating)) impl_->widget.activateWindow();
}

void CanvasWindow::Close() {
  impl_->widget.closed = true;
  impl_->widget.hide();
}

void CanvasWindow::Hide() { impl_->widget.hide(); }

bool CanvasWindow::Shown() const { return impl_->widget.isVisible(); }

bool CanvasWindow::Exists() const { return !impl_->widget.closed; }

void CanvasWindow::MoveTo(int left, int top) {
  if (left == impl_->left && top == impl_->top) return;
  impl_->left = left;
  impl_->top = top;
  if (impl_->fullScreen && impl_->widget.isVisible()) {
    // A full-screen window follows its monitor: leave the state, move, take it again.
    impl_->widget.showNormal();
    impl_->Place();
    impl_->widget.showFullScreen();
    return;
  }
  impl_->Place();
}

void CanvasWindow::Resize(int width, int height) {
  width = std::max(1, width);
  height = std::max(1, height);
  if (width == impl_->width && height == impl_->height) return;
  impl_->width = width;
  impl_->height = height;
  const double ratio = impl_->widget.devicePixelRatioF();
  impl_->widget.resize(static_cast<int>(std::lround(width / ratio)),
                       static_cast<int>(std::lround(height / ratio)));
}

void CanvasWindow::SetTopMost(bool on) {
  if (on == impl_->topMost) return;
  impl_->topMost = on;
  const bool visible = impl_->widget.isVisible();
  impl_->widget.setWindowFlag(Qt::WindowStaysOnTopHint, on);
  if (visible) impl_->widget.show();
}

void CanvasWindow::Activate() {
  impl_->widget.raise();
  impl_->widget.activateWindow();
  impl_->widget.setFocus();
}

int CanvasWindow::Left() const { return impl_->left; }
int CanvasWindow::Top() const { return impl_->top; }
int CanvasWindow::Width() const { return impl_->width; }
int CanvasWindow::Height() const { return impl_->height; }

void CanvasWindow::ActualGeometry(int& left, int& top, int& width, int& height) const {
  const QRect g = impl_->widget.geometry();
  const DesktopPlacement d = DevicePlacement(g.x(), g.y(), g.width(), g.height());
  left = d.x;
  top = d.y;
  width = d.width;
  height = d.height;
}

void CanvasWindow::Present(Canvas& canvas) {
  canvas.Image();  // finishes the drawing in progress
  const std::vector<Canvas::PixelRect> changed = canvas.TakeChangedRects();
  const std::weak_ptr<const QImage> image = canvas.SharedImage();
  CanvasWidget& widget = impl_->widget;
  if (widget.image.owner_before(image) || image.owner_before(widget.image) ||
      widget.image.expired()) {
    widget.image = image;
    widget.update();
    return;
  }
  const qreal ratio = widget.devicePixelRatioF();
  QRegion region;
  for (const Canvas::PixelRect& r : changed) {
    const int left = static_cast<int>(std::floor(r.left / ratio));
    const int top = static_cast<int>(std::floor(r.top / ratio));
    const int right = static_cast<int>(std::ceil((r.left + r.width) / ratio));
    const int bottom = static_cast<int>(std::ceil((r.top + r.height) / ratio));
    region += QRect(left, top, right - left, bottom - top);
  }
  if (!region.isEmpty()) widget.update(region);
}

std::string CanvasWindow::TakeKeys() {
  std::string keys;
  keys.swap(impl_->widget.queue.keys);
  return keys;
}

bool CanvasWindow::HasKeys() const { return !impl_->widget.queue.keys.empty(); }
int CanvasWindow::AltDown() const { return impl_->widget.queue.altDown; }
int CanvasWindow::CtrlDown() const { return impl_->widget.queue.ctrlDown; }

bool CanvasWindow::TakeClick(double& x, double& y) {
  if (!impl_->widget.clickPending) return false;
  impl_->widget.clickPending = false;
  x = impl_->widget.click.x();
  y = impl_->widget.click.y();
  return true;
}

void CanvasWindow::InjectKey(const KeyPress& key) {
  Qt::KeyboardModifiers modifiers;
  if (key.ctrl) modifiers |= Qt::ControlModifier;
  if (key.alt) modifiers |= Qt::AltModifier;
  if (key.shift) modifiers |= Qt::ShiftModifier;
  QKeyEvent press(QEvent::KeyPress, key.qtKey, modifiers, QString::fromStdString(key.text));
  QCoreApplication::sendEvent(&impl_->widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key.qtKey, modifiers, QString::fromStdString(key.text));
  QCoreApplication::sendEvent(&impl_->widget, &release);
}

void CanvasWindow::InjectClick(double x, double y) {
  const qreal ratio = impl_->widget.devicePixelRatioF();
  const QPointF local(x / ratio, y / ratio);
  const QPointF global = impl_->widget.mapToGlobal(local);
  QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(&impl_->widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QCoreApplication::sendEvent(&impl_->widget, &release);
}

}  // namespace lenvari
