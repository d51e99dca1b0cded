#include "platform/qt/CanvasWindow.h"

#include <QApplication>
#include <QBackingStore>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QEventLoop>
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
#include <functional>

#include "platform/qt/KeyQueue.h"
#include "platform/qtgui/Canvas.h"
#include "platform/qtgui/DesktopPixels.h"
#include "platform/MemoryPrefault.h"

namespace lenvari {
namespace {

constexpr int kPointerHideMilliseconds = 2000;

// Bounds of the waits for a Wayland compositor around a question over the full-screen chart;
// each normally ends within a frame or two.
constexpr int kChartMappedWaitMs = 5000;
constexpr int kFullScreenReportWaitMs = 1000;
constexpr int kLeaveConfirmWaitMs = 3000;
constexpr int kStaysOutMs = 300;

// Runs the event loop, without the examiner's input, until `done` or `ms` have passed.
void WaitUntil(const std::function<bool()>& done, int ms) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < ms) {
    QEventLoop wait;
    QTimer::singleShot(10, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
  }
}

// Waits until the window system reports `state` for `window` (the window's own report: the
// widget learns of it only later), at most `ms`.
void WaitFor(QWindow* window, Qt::WindowState state, int ms) {
  bool reported = false;
  const QMetaObject::Connection report = QObject::connect(
      window, &QWindow::windowStateChanged, [&reported, state](Qt::WindowState now) {
        if (now == state) reported = true;
      });
  WaitUntil([&reported] { return reported; }, ms);
  QObject::disconnect(report);
}

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

  // A wlroots compositor (sway) never gives the keyboard to a window opened over a full-screen
  // one, even one it shows above it, and asked through an activation token it only marks the
  // window urgent: the keys would go on to the chart the question blocks. With one monitor the
  // full-screen window a question stands above leaves full screen until the last question
  // closes.
  //
  // The question must not reach the screen before the compositor has done so: a question mapped
  // before the chart (a slow first frame) or while it is still full screen is never focused.
  // So this waits, each step bounded, for the chart to be mapped, for its full-screen state to
  // be settled, and for the compositor to confirm that it left full screen and stays out: a
  // chart mapped just now is made full screen once more as its first frame arrives.
  void StepOutOfFullScreen() {
    QWindow* handle = windowHandle();
    if (steppedOut || !handle) return;  // already out for a question still open
    steppedOut = true;
    const bool wasExposed = handle->isExposed();
    WaitUntil([handle] { return handle->isExposed(); }, kChartMappedWaitMs);
    // Just mapped: the compositor's full-screen report may still be on its way, and a request
    // to leave sent before it would be lost.
    if (!wasExposed) WaitFor(handle, Qt::WindowFullScreen, kFullScreenReportWaitMs);
    // A full-screen report while a question is open, now or later, is answered by leaving
    // again.
    if (!stayOut)
      stayOut = QObject::connect(handle, &QWindow::windowStateChanged, this,
                                 [this, handle](Qt::WindowState state) {
        reportedOut = state != Qt::WindowFullScreen;
        if (reportedOut) return;
        ++fullScreenReports;
        handle->setWindowStates(handle->windowStates() & ~Qt::WindowFullScreen);
      });
    reportedOut = false;
    setWindowState(windowState() & ~Qt::WindowFullScreen);
    QElapsedTimer clock;
    clock.start();
    for (;;) {
      WaitUntil([this] { return reportedOut; }, kLeaveConfirmWaitMs);
      const int reports = fullScreenReports;
      WaitUntil([this, reports] { return fullScreenReports != reports; }, kStaysOutMs);
      if (fullScreenReports == reports || clock.elapsed() > kLeaveConfirmWaitMs) break;
    }
  }

  void ReturnToFullScreen() {
    QObject::disconnect(stayOut);
    stayOut = {};
    if (!steppedOut) return;
    steppedOut = false;
    if (QWindow* handle = windowHandle())
      handle->setWindowStates(handle->windowStates() | Qt::WindowFullScreen);
  }

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

 private:
  QMetaObject::Connection stayOut;  // keeps the window out of full screen while asked
  bool steppedOut = false;          // out of full screen for a question
  bool reportedOut = false;         // the compositor's last report: out of full screen
  int fullScreenReports = 0;
};

// The canvas window shown as `window` that asked for full screen, if any: as asked, not as last
// reported (just after it was shown the compositor may report it out of full screen for a
// moment).
CanvasWidget* FullScreenCanvas(QWindow* window) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* canvas = dynamic_cast<CanvasWidget*>(w);
        canvas && canvas->windowHandle() == window && canvas->isVisible() &&
        (canvas->isFullScreen() || canvas->property("lenvariFullScreen").toBool()))
      return canvas;
  return nullptr;
}

}  // namespace

void StepOutOfFullScreenFor(QWindow* window) {
  if (CanvasWidget* canvas = FullScreenCanvas(window)) canvas->StepOutOfFullScreen();
}

void ReturnCanvasWindowsToFullScreen() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* canvas = dynamic_cast<CanvasWidget*>(w)) canvas->ReturnToFullScreen();
}

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
  QKeyEvent press(QEvent::KeyPress, key.windowKey, modifiers, QString::fromStdString(key.text));
  QCoreApplication::sendEvent(&impl_->widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key.windowKey, modifiers, QString::fromStdString(key.text));
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
