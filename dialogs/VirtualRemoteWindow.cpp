#include "dialogs/VirtualRemoteWindow.h"

#include <QApplication>
#include <QEventLoop>
#include <QPointer>
#include <QScreen>
#include <QWindow>
#include <QWidget>

#include <algorithm>

#include "common/VirtualRemoteMailbox.h"
#include "dialogs/DialogFramework.h"
#include "dialogs/LenvariDLL.h"
#include "dialogs/RemoteKeyButton.h"
#include "dialogs/RemoteKeys.h"
#include "dialogs/RemotePicture.h"

namespace lenvari {
namespace {

const char kVirtualRemoteTitle[] = "Virtual Remote";
constexpr int kClientWidth = 238;
constexpr int kClientHeight = 656;
// A window manager's caption and frame above and below the client area, in logical pixels.
constexpr int kFrameAllowance = 40;
// Below this the keys are too small to hit.
constexpr double kSmallestScale = 0.5;

// The one remote window while it is open (it deletes itself when closed).
QPointer<QWidget>& OpenRemote() {
  static QPointer<QWidget> window;
  return window;
}

QWidget* FindVirtualRemote() {
  QWidget* window = OpenRemote();
  return window && window->isVisible() ? window : nullptr;
}

// The program's full-screen chart, while one is shown.
QWindow* FullScreenWindow() {
  for (QWindow* window : QGuiApplication::topLevelWindows())
    if (window->isVisible() && (window->windowStates() & Qt::WindowFullScreen)) return window;
  return nullptr;
}

// The area the remote opens on: the monitor it is given, or the primary screen's free area.
QRect TargetArea(const RemoteArea& area) {
  QRect target(area.x, area.y, area.width, area.height);
  if (target.isEmpty()) {
    if (const QScreen* screen = QApplication::primaryScreen()) target = screen->availableGeometry();
  }
  return target;
}

// Whole on a monitor tall enough for it; smaller, keys and all, on one too low (a 1024-line
// panel at 200 % has 512 logical lines), so that every key stays on the screen.
double RemoteScale(const QRect& target) {
  if (target.isEmpty()) return 1;
  const double fit = static_cast<double>(target.height() - kFrameAllowance) / kClientHeight;
  return std::clamp(fit, kSmallestScale, 1.0);
}

QRect Scaled(int x, int y, int width, int height, double scale) {
  return QRectF(x * scale, y * scale, width * scale, height * scale).toRect();
}

QWidget* BuildVirtualRemote(VirtualRemoteMailbox& mailbox, double scale) {
  auto* window = new RemotePicture(nullptr);
  window->SetScale(scale);
  window->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::WindowStaysOnTopHint);
  window->setAttribute(Qt::WA_DeleteOnClose);
  // The examiner types into the control window or the chart; the remote appearing beside them
  // must not take the keyboard away.
  window->setAttribute(Qt::WA_ShowWithoutActivating);
  window->setWindowTitle(kVirtualRemoteTitle);
  window->setFixedSize(Scaled(0, 0, kClientWidth, kClientHeight, scale).size());
  for (const VirtualRemoteKey& key : VirtualRemoteKeys()) {
    auto* button = new RemoteKeyButton(key.image, key.label, window);
    button->setObjectName(QString::number(key.id));
    button->setGeometry(Scaled(key.x, key.y, key.width, key.height, scale));
    const std::string code = key.code;
    const bool imageGallery = key.id == kImageGalleryKeyId;
    QObject::connect(button, &QAbstractButton::clicked, window, [&mailbox, button, code,
                                                                  imageGallery] {
      mailbox.Write(imageGallery && button->DoubleClicking() ? std::string("\t") : code);
    });
  }
  return window;
}

void Place(QWidget& window, const QRect& target) {
  // Even where the smallest remote is too low for the monitor the caption stays on it, so the
  // examiner can still move and close it.
  window.move(target.x() + std::max(0, (target.width() - window.width()) / 2),
              target.y() + std::max(0, (target.height() - window.height()) / 2));
}

}  // namespace

void OpenVirtualRemote(VirtualRemoteMailbox& mailbox, const RemoteArea& area) {
  QWidget* window = FindVirtualRemote();
  if (!window) {
    const QRect target = TargetArea(area);
    window = BuildVirtualRemote(mailbox, RemoteScale(target));
    OpenRemote() = window;
    Place(*window, target);
    // A window manager stacks a full-screen window that has the keyboard over every other
    // window; the remote, which leaves the keyboard alone, stays above the chart as the
    // chart's own tool window (a tool window, so the window system is told whose it is).
    window->winId();
    if (QWindow* handle = window->windowHandle()) handle->setTransientParent(FullScreenWindow());
    window->show();
  }
  window->raise();
}

bool VirtualRemoteIsOpen() { return FindVirtualRemote() != nullptr; }

void CloseVirtualRemoteWindow() {
  if (QWidget* window = FindVirtualRemote()) window->close();
}

std::optional<RemoteArea> VirtualRemoteClientArea() {
  const QWidget* window = FindVirtualRemote();
  if (!window) return std::nullopt;
  const QRect g = window->geometry();
  return RemoteArea{g.x(), g.y(), g.width(), g.height()};
}

void MoveVirtualRemoteWindow(int x, int y, QScreen* screen) {
  QWidget* window = FindVirtualRemote();
  if (!window) return;
  // A top-level widget's move places its frame; the client goes where it was asked.
  const QPoint frame = window->geometry().topLeft() - window->pos();
  if (QWindow* handle = window->windowHandle(); handle && screen) handle->setScreen(screen);
  window->move(QPoint(x, y) - frame);
}

}  // namespace lenvari

void SHOWVIRTUAL_REMOTE(int parentWindow, lenvari::VirtualRemoteMailbox& mailbox) {
  (void)parentWindow;  // the remote is always a top-level window of its own
  lenvari::ApplicationScope application;
  lenvari::OpenVirtualRemote(mailbox, {});
  QPointer<QWidget> window = lenvari::FindVirtualRemote();
  if (!window) return;
  QEventLoop loop;
  QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
  loop.exec();
}
