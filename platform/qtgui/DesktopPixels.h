#pragma once
// The monitors of the desktop in device pixels, and the conversion between device pixels and
// the window system's logical coordinates. With display scaling (a device pixel ratio other than
// 1) logical coordinates are not pixels; the chart works in real pixels throughout.
//
// Window systems disagree on where a scaled monitor sits in logical coordinates: some keep each
// monitor's corner at its device position (a gap follows a 200 % monitor), others lay the
// logical rectangles edge to edge (a 200 % monitor's device extent then reaches into its
// neighbour's). The device desktop is built so that both give every monitor a rectangle of its
// own: a monitor is pushed right of (or below) the device extent of every monitor that lies
// wholly left of (or above) it and shares rows (or columns) with it.

#include <string>
#include <vector>

class QScreen;

namespace lenvari {

struct DesktopMonitor {
  int left = 0, top = 0, right = 0, bottom = 0;  // device pixels
  double pixelRatio = 1;
  // The window system's name of the output ("HDMI-1"): what tells a monitor that was switched
  // off and on again from another one, whatever order the monitors are listed in then.
  std::string name;
};

// One monitor as the window system reports it: its logical rectangle and its pixel ratio.
struct LogicalScreen {
  int x = 0, y = 0, width = 0, height = 0;
  double pixelRatio = 1;
};

// The device rectangles of the screens, in the same order. Pure, for tests.
std::vector<DesktopMonitor> DeviceRectangles(const std::vector<LogicalScreen>& screens);

// The monitors in desktop order, at most ten.
std::vector<DesktopMonitor> EnumDisplayMonitors();

struct VirtualDesktop {
  int left = 0, top = 0, width = 0, height = 0;  // device pixels
};
VirtualDesktop VirtualDesktopMetrics();

struct DesktopPlacement {
  int x = 0, y = 0, width = 0, height = 0;  // logical coordinates
};
// Where a window covering the device-pixel rectangle goes in logical coordinates: on the
// monitor that holds the rectangle's top-left corner, scaled by that monitor's ratio.
DesktopPlacement LogicalPlacement(int left, int top, int width, int height);
// The same for a list of screens, for tests.
DesktopPlacement LogicalPlacement(const std::vector<LogicalScreen>& screens, int left, int top,
                                  int width, int height);

// The inverse: the device-pixel rectangle of a logical one, measured on the monitor that holds
// its top-left corner.
DesktopPlacement DevicePlacement(int x, int y, int width, int height);
DesktopPlacement DevicePlacement(const std::vector<LogicalScreen>& screens, int x, int y,
                                 int width, int height);

// The Qt screen whose device rectangle holds the device point, or the primary one.
QScreen* ScreenAtDevicePoint(int left, int top);

}  // namespace lenvari
