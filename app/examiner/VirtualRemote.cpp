#include "app/examiner/VirtualRemote.h"

#include "app/examiner/WindowPlacement.h"
#include "dialogs/VirtualRemoteWindow.h"
#include "platform/qtgui/DesktopPixels.h"

namespace lenvari {

void StartVirtualRemote(ProgramContext& context) {
  RemoteArea area;
  const std::vector<MonitorBox> examiner = ExaminerMonitors(context);
  if (!examiner.empty()) {
    const MonitorBox& box = examiner.front();
    const DesktopPlacement place =
        LogicalPlacement(box.left, box.top, box.right - box.left, box.bottom - box.top);
    area = {place.x, place.y, place.width, place.height};
  }
  OpenVirtualRemote(context.VirtualRemoteCommand, area);
  context.virtualRemote.started = true;
}

void CloseVirtualRemote(ProgramContext&) { CloseVirtualRemoteWindow(); }

void WatchVirtualRemote(ProgramContext& context) {
  if (context.state.settings.ShowVirtualRemote != 1 || !context.virtualRemote.started) return;
  if (VirtualRemoteIsOpen()) return;
  context.virtualRemote.started = false;
  context.state.settings.ShowVirtualRemote = 0;
}

void KeepVirtualRemoteOffChart(ProgramContext& context) {
  const std::optional<RemoteArea> area = VirtualRemoteClientArea();
  if (!area) return;
  const DesktopPlacement d = DevicePlacement(area->x, area->y, area->width, area->height);
  const WindowPlace now{d.x, d.y, d.width, d.height};
  const WindowPlace place = KeepOnMonitors(ExaminerMonitors(context), now);
  if (place == now) return;
  const DesktopPlacement logical = LogicalPlacement(place.left, place.top, 1, 1);
  MoveVirtualRemoteWindow(logical.x, logical.y, ScreenAtDevicePoint(place.left, place.top));
}

}  // namespace lenvari
