#include "app/examiner/WindowPlacement.h"

#include <algorithm>

#include "app/examiner/ControlWindow.h"
#include "platform/qtgui/DesktopPixels.h"
#include "app/examiner/VirtualRemote.h"

namespace lenvari {
namespace {

bool Holds(const MonitorBox& box, int x, int y) {
  return x >= box.left && x < box.right && y >= box.top && y < box.bottom;
}

// The room a client area may take on a monitor, its frame kept on it too.
MonitorBox ClientRoom(const MonitorBox& box) {
  return {box.left + kFrameBorderAllowance, box.top + kFrameTitleAllowance,
          box.right - kFrameBorderAllowance, box.bottom - kFrameBorderAllowance};
}

bool FitsWhole(const MonitorBox& box, const WindowPlace& place) {
  const MonitorBox room = ClientRoom(box);
  // In 64 bits: a place read from a file or reported by the window system may lie near the
  // end of the integer range.
  return place.left >= room.left && place.top >= room.top &&
         static_cast<long long>(place.left) + place.width <= room.right &&
         static_cast<long long>(place.top) + place.height <= room.bottom;
}

MonitorBox BoxOf(const MonitorRectangle& r) { return {r[1], r[2], r[3], r[4]}; }

}  // namespace

std::vector<MonitorBox> ExaminerMonitors(const std::vector<MonitorBox>& present,
                                         const std::optional<MonitorBox>& patient) {
  std::vector<MonitorBox> allowed;
  for (const MonitorBox& box : present)
    if (!patient || !(box == *patient)) allowed.push_back(box);
  if (allowed.empty() && patient) allowed.push_back(*patient);
  return allowed;
}

std::vector<MonitorBox> ExaminerMonitors(const Monitors& monitors) {
  const int count = std::clamp(monitors.NumberOfMonitors, 0, kMaxMonitors);
  std::vector<MonitorBox> present;
  for (int m = 1; m <= count; ++m) present.push_back(BoxOf(monitors.MonitorRect[m]));
  std::optional<MonitorBox> patient;
  if (monitors.CurrentMonitor >= 1 && monitors.CurrentMonitor <= count)
    patient = BoxOf(monitors.MonitorRect[monitors.CurrentMonitor]);
  return ExaminerMonitors(present, patient);
}

std::vector<MonitorBox> ExaminerMonitors(const ProgramContext& context) {
  std::vector<MonitorBox> present;
  for (const DesktopMonitor& m : EnumDisplayMonitors())
    present.push_back({m.left, m.top, m.right, m.bottom});
  // A platform that reports no monitors (or none yet) leaves the program's own list.
  if (present.empty()) return ExaminerMonitors(context.state.monitors);
  const Monitors& monitors = context.state.monitors;
  std::optional<MonitorBox> patient;
  if (!context.hotPlug.patientMonitorGone && monitors.CurrentMonitor >= 1 &&
      monitors.CurrentMonitor <= kMaxMonitors)
    patient = BoxOf(monitors.MonitorRect[monitors.CurrentMonitor]);
  return ExaminerMonitors(present, patient);
}

WindowPlace PlaceOnMonitors(const std::vector<MonitorBox>& allowed,
                            const std::optional<WindowPlace>& wanted, int defaultWidth,
                            int defaultHeight) {
  if (allowed.empty()) return wanted.value_or(WindowPlace{0, 0, defaultWidth, defaultHeight});
  if (wanted)
    for (const MonitorBox& box : allowed)
      if (FitsWhole(box, *wanted)) return *wanted;

  MonitorBox target = allowed.front();
  bool cornerOnTarget = false;
  if (wanted)
    for (const MonitorBox& box : allowed)
      if (Holds(box, wanted->left, wanted->top)) target = box, cornerOnTarget = true;

  WindowPlace place;
  const MonitorBox room = ClientRoom(target);
  const int roomWidth = std::max(1, room.right - room.left);
  const int roomHeight = std::max(1, room.bottom - room.top);
  place.width = std::min(wanted ? wanted->width : defaultWidth, roomWidth);
  place.height = std::min(wanted ? wanted->height : defaultHeight, roomHeight);
  if (cornerOnTarget) {
    place.left = std::clamp(wanted->left, room.left, room.left + roomWidth - place.width);
    place.top = std::clamp(wanted->top, room.top, room.top + roomHeight - place.height);
  } else {
    place.left = room.left + (roomWidth - place.width) / 2;
    place.top = room.top + (roomHeight - place.height) / 2;
  }
  return place;
}

WindowPlace KeepOnMonitors(const std::vector<MonitorBox>& allowed, const WindowPlace& now) {
  const auto onAllowed = [&](int x, int y) {
    return std::any_of(allowed.begin(), allowed.end(),
                       [&](const MonitorBox& box) { return Holds(box, x, y); });
  };
  if (onAllowed(now.left, now.top) &&
      onAllowed(now.left + now.width / 2, now.top + now.height / 2))
    return now;
  return PlaceOnMonitors(allowed, now, now.width, now.height);
}

bool KeepMonitorWindowOffChart(ProgramContext& context) {
  Settings& settings = context.state.settings;
  const int m = std::clamp(context.state.monitors.CurrentMonitor, 1, kMaxMonitors);
  const WindowPlace stored{settings.MonitorWindowX[m], settings.MonitorWindowY[m],
                           std::max(1, settings.MonitorWindowWidth[m]),
                           std::max(1, settings.MonitorWindowHeight[m])};
  const WindowPlace place = KeepOnMonitors(ExaminerMonitors(context), stored);
  if (place.left == stored.left && place.top == stored.top) return false;
  settings.MonitorWindowX[m] = place.left;
  settings.MonitorWindowY[m] = place.top;
  return true;
}

namespace {

void KeepOpenMonitorWindowOffChart(ProgramContext& context) {
  if (!context.monitorWindow || !context.monitorWindow->Exists()) return;
  int left = 0, top = 0, width = 0, height = 0;
  context.monitorWindow->ActualGeometry(left, top, width, height);
  const WindowPlace now{left, top, std::max(1, width), std::max(1, height)};
  const WindowPlace place = KeepOnMonitors(ExaminerMonitors(context), now);
  if (place.left != now.left || place.top != now.top)
    context.monitorWindow->MoveTo(place.left, place.top);
}

}  // namespace

void KeepWindowsOffChart(ProgramContext& context) {
  KeepControlWindowOffChart(context);
  KeepOpenMonitorWindowOffChart(context);
  KeepVirtualRemoteOffChart(context);
}

}  // namespace lenvari
