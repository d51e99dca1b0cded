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

QWidget* FindVirtualRemote() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible() && window->windowTitle() == kVirtualRemoteTitle) return window;
  }
  return nullptr;
}

// The program's full-screen chart, while one is shown.
QWindow* FullScreenWindow() {
  for (QWindow* window : QGuiApplication::topLevelWindows())
    if (window->isVisible() && (window->windowStates() & Qt::WindowFullScreen)) return window;
  return nullptr;
}

QWidget* BuildVirtualRemote(VirtualRemoteMailbox& mailbox) {
  auto* window = new RemotePicture(nullptr);
  window->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::WindowStaysOnTopHint);
  window->setAttribute(Qt::WA_DeleteOnClose);
  // The examiner types into the control window or the chart; the remote appearing beside them
  // must not take the keyboard away.
  window->setAttribute(Qt::WA_ShowWithoutActivating);
  window->setWindowTitle(kVirtualRemoteTitle);
  window->setFixedSize(kClientWidth, kClientHeight);
  for (const VirtualRemoteKey& key : VirtualRemoteKeys()) {
    auto* button = new RemoteKeyButton(key.image, key.label, window);
    button->setObjectName(QString::number(key.id));
    button->setGeometry(key.x, key.y, key.width, key.height);
    const std::string code = key.code;
    const bool imageGallery = key.id == kImageGalleryKeyId;
    QObject::connect(button, &QAbstractButton::clicked, window, [&mailbox, button, code,
                                                                  imageGallery] {
      mailbox.Write(imageGallery && button->DoubleClicking() ? std::string("\t") : code);
    });
  }
  return window;
}

void Place(QWidget& window, const RemoteArea& area) {
  QRect target(area.x, area.y, area.width, area.height);
  if (target.isEmpty()) {
    if (const QScreen* screen = QApplication::primaryScreen()) target = screen->availableGeometry();
  }
  // On a monitor too small for it (a 200 % scaled laptop screen) the caption stays on the
  // monitor, so the examiner can still move and close it.
  window.move(target.x() + std::max(0, (target.width() - window.width()) / 2),
              target.y() + std::max(0, (target.height() - window.height()) / 2));
}

}  // namespace

void OpenVirtualRemote(VirtualRemoteMailbox& mailbox, const RemoteArea& area) {
  QWidget* window = FindVirtualRemote();
  if (!window) {
    window = BuildVirtualRemote(mailbox);
    Place(*window, area);
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
