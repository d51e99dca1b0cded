#include "app/VirtualRemote.h"

#include "dialogs/VirtualRemoteWindow.h"
#include "platform/DesktopPixels.h"
#include "platform/Shell.h"

namespace lenvari {
namespace {

constexpr const char* kVirtualRemoteTitle = "Virtual Remote";

// The examiner's monitor: the first one that does not show the chart, or the chart's own when
// there is only one.
int ExaminerMonitor(const Monitors& monitors) {
  for (int m = 1; m <= monitors.NumberOfMonitors; ++m) {
    if (m != monitors.CurrentMonitor) return m;
  }
  return monitors.CurrentMonitor;
}

}  // namespace

void StartVirtualRemote(ProgramContext& context) {
  const Monitors& monitors = context.state.monitors;
  RemoteArea area;
  const int m = ExaminerMonitor(monitors);
  if (m >= 1 && m <= kMaxMonitors) {
    const MonitorRectangle& rect = monitors.MonitorRect[m];
    const DesktopPlacement place =
        LogicalPlacement(rect[1], rect[2], rect[3] - rect[1], rect[4] - rect[2]);
    area = {place.x, place.y, place.width, place.height};
  }
  OpenVirtualRemote(context.VirtualRemoteCommand, area);
  context.virtualRemoteStarted = true;
}

void CloseVirtualRemote(ProgramContext&) { CloseWindowByTitle(kVirtualRemoteTitle); }

void WatchVirtualRemote(ProgramContext& context) {
  if (context.state.settings.ShowVirtualRemote != 1 || !context.virtualRemoteStarted) return;
  if (VirtualRemoteIsOpen()) return;
  context.virtualRemoteStarted = false;
  context.state.settings.ShowVirtualRemote = 0;
}

}  // namespace lenvari
