#include "platform/qtgui/DesktopPixels.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace lenvari {
namespace {

constexpr int kMaxMonitors = 10;

int Scaled(int logical, double ratio) { return static_cast<int>(std::lround(logical * ratio)); }

bool Overlap(int a0, int a1, int b0, int b1) { return a0 < b1 && b0 < a1; }

std::vector<LogicalScreen> QtScreens() {
  std::vector<LogicalScreen> screens;
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect g = screen->geometry();
    screens.push_back({g.x(), g.y(), g.width(), g.height(), screen->devicePixelRatio()});
  }
  return screens;
}

// The index of the screen whose device rectangle holds the point, or -1.
int ScreenIndexAt(const std::vector<DesktopMonitor>& devices, int left, int top) {
  for (size_t i = 0; i < devices.size(); ++i) {
    const DesktopMonitor& m = devices[i];
    if (left >= m.left && left < m.right && top >= m.top && top < m.bottom)
      return static_cast<int>(i);
  }
  return -1;
}

int LogicalIndexAt(const std::vector<LogicalScreen>& screens, int x, int y) {
  for (size_t i = 0; i < screens.size(); ++i) {
    const LogicalScreen& s = screens[i];
    if (x >= s.x && x < s.x + s.width && y >= s.y && y < s.y + s.height)
      return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

std::vector<DesktopMonitor> DeviceRectangles(const std::vector<LogicalScreen>& screens) {
  std::vector<DesktopMonitor> devices(screens.size());
  for (size_t i = 0; i < screens.size(); ++i) {
    devices[i].left = screens[i].x;
    devices[i].top = screens[i].y;
    devices[i].pixelRatio = screens[i].pixelRatio;
  }
  // Left to right (then top to bottom), so a push carries on along a row of monitors.
  std::vector<size_t> order(screens.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return screens[a].x != screens[b].x ? screens[a].x < screens[b].x : screens[a].y < screens[b].y;
  });
  for (size_t i : order) {
    const LogicalScreen& s = screens[i];
    for (size_t j : order) {
      if (j == i) break;
      const LogicalScreen& t = screens[j];
      if (t.x + t.width <= s.x && Overlap(s.y, s.y + s.height, t.y, t.y + t.height))
        devices[i].left = std::max(devices[i].left, devices[j].right);
    }
    devices[i].right = devices[i].left + Scaled(s.width, s.pixelRatio);
  }
  std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return screens[a].y != screens[b].y ? screens[a].y < screens[b].y : screens[a].x < screens[b].x;
  });
  for (size_t i : order) {
    const LogicalScreen& s = screens[i];
    for (size_t j : order) {
      if (j == i) break;
      const LogicalScreen& t = screens[j];
      if (t.y + t.height <= s.y && Overlap(s.x, s.x + s.width, t.x, t.x + t.width))
        devices[i].top = std::max(devices[i].top, devices[j].bottom);
    }
    devices[i].bottom = devices[i].top + Scaled(s.height, s.pixelRatio);
  }
  return devices;
}

std::vector<DesktopMonitor> EnumDisplayMonitors() {
  std::vector<DesktopMonitor> monitors = DeviceRectangles(QtScreens());
  const auto screens = QGuiApplication::screens();
  for (size_t i = 0; i < monitors.size() && i < static_cast<size_t>(screens.size()); ++i)
    monitors[i].name = screens[i]->name().toStdString();
  if (static_cast<int>(monitors.size()) > kMaxMonitors) monitors.resize(kMaxMonitors);
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

DesktopPlacement LogicalPlacement(const std::vector<LogicalScreen>& screens, int left, int top,
                                  int width, int height) {
  const std::vector<DesktopMonitor> devices = DeviceRectangles(screens);
  const int i = ScreenIndexAt(devices, left, top);
  if (i < 0) return {left, top, width, height};
  const DesktopMonitor& m = devices[i];
  const LogicalScreen& s = screens[i];
  const double ratio = m.pixelRatio;
  return {s.x + static_cast<int>(std::lround((left - m.left) / ratio)),
          s.y + static_cast<int>(std::lround((top - m.top) / ratio)),
          static_cast<int>(std::lround(width / ratio)),
          static_cast<int>(std::lround(height / ratio))};
}

DesktopPlacement LogicalPlacement(int left, int top, int width, int height) {
  return LogicalPlacement(QtScreens(), left, top, width, height);
}

DesktopPlacement DevicePlacement(const std::vector<LogicalScreen>& screens, int x, int y,
                                 int width, int height) {
  const int i = LogicalIndexAt(screens, x, y);
  if (i < 0) return {x, y, width, height};
  const DesktopMonitor m = DeviceRectangles(screens)[i];
  const LogicalScreen& s = screens[i];
  return {m.left + Scaled(x - s.x, s.pixelRatio), m.top + Scaled(y - s.y, s.pixelRatio),
          Scaled(width, s.pixelRatio), Scaled(height, s.pixelRatio)};
}

DesktopPlacement DevicePlacement(int x, int y, int width, int height) {
  return DevicePlacement(QtScreens(), x, y, width, height);
}

QScreen* ScreenAtDevicePoint(int left, int top) {
  const int i = ScreenIndexAt(DeviceRectangles(QtScreens()), left, top);
  const auto screens = QGuiApplication::screens();
  if (i >= 0 && i < screens.size()) return screens[i];
  return QGuiApplication::primaryScreen();
}

}  // namespace lenvari
