#pragma once
// The monitors of the desktop in device pixels, and the conversion of device-pixel rectangles to
// the window system's logical coordinates. With display scaling (a device pixel ratio other than
// 1) logical coordinates are not pixels; the chart works in real pixels throughout.

#include <vector>

namespace lenvari {

struct DesktopMonitor {
  int left = 0, top = 0, right = 0, bottom = 0;  // device pixels
  double pixelRatio = 1;
};

// The monitors in desktop order, at most ten.
std::vector<DesktopMonitor> EnumDisplayMonitors();

struct VirtualDesktop {
  int left = 0, top = 0, width = 0, height = 0;  // device pixels
};
VirtualDesktop VirtualDesktopMetrics();

struct DesktopPlacement {
  int x = 0, y = 0, width = 0, height = 0;  // logical coordinates
};
// Where a window covering the device-pixel rectangle goes in logical coordinates.
DesktopPlacement LogicalPlacement(int left, int top, int width, int height);

}  // namespace lenvari
