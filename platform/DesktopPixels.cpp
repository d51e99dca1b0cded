#include "platform/DesktopPixels.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace lenvari {
namespace {

constexpr int kMaxMonitors = 10;

// A screen's top-left corner stays where the window system puts it; its extent is scaled by
// the pixel ratio, so a 1280 x 720 logical screen at ratio 2 is 2560 x 1440 device pixels.
DesktopMonitor DeviceRect(const QScreen* screen) {
  const QRect g = screen->geometry();
  const double ratio = screen->devicePixelRatio();
  DesktopMonitor m;
  m.left = g.x();
  m.top = g.y();
  m.right = g.x() + static_cast<int>(std::lround(g.width() * ratio));
  m.bottom = g.y() + static_cast<int>(std::lround(g.height() * ratio));
  m.pixelRatio = ratio;
  return m;
}

}  // namespace

std::vector<DesktopMonitor> EnumDisplayMonitors() {
  std::vector<DesktopMonitor> monitors;
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (static_cast<int>(monitors.size()) == kMaxMonitors) break;
    monitors.push_back(DeviceRect(screen));
  }
  return monitors;
}

VirtualDesktop VirtualDesktopMetrics() {
  VirtualDesktop desktop;
  const auto monitors = EnumDisplayMonitors();
  if (monitors.empty()) return desktop;
  int left = monitors[0].left, top = monitors[0].top;
  int right = monitors[0].right, bottom = monitors[0].bottom;
  for (const auto& m : monitors) {
    left = std::min(left, m.left);
    top = std::min(top, m.top);
    right = std::max(right, m.right);
    bottom = std::max(bottom, m.bottom);
  }
  desktop = {left, top, right - left, bottom - top};
  return desktop;
}

DesktopPlacement LogicalPlacement(int left, int top, int width, int height) {
  for (const QScreen* screen : QGuiApplication::screens()) {
    const DesktopMonitor m = DeviceRect(screen);
    if (left >= m.left && left < m.right && top >= m.top && top < m.bottom) {
      const double ratio = m.pixelRatio;
      return {m.left + static_cast<int>(std::lround((left - m.left) / ratio)),
              m.top + static_cast<int>(std::lround((top - m.top) / ratio)),
              static_cast<int>(std::lround(width / ratio)),
              static_cast<int>(std::lround(height / ratio))};
    }
  }
  return {left, top, width, height};
}

}  // namespace lenvari
