#include "app/loop/MonitorHotPlug.h"

#include <algorithm>
#include <cstdio>

#include "app/examiner/CalibrationCheck.h"
#include "app/loop/ChartDisplay.h"
#include "app/examiner/ControlWindow.h"
#include "app/loop/Startup.h"
#include "app/examiner/WindowPlacement.h"
#include "platform/qtgui/DesktopPixels.h"
#include "render/CalibrationScreenCheck.h"

namespace lenvari {
namespace {

// The index in `present` of the patient monitor: by its output name where the window system
// names outputs, else by its place.
int FindPatientMonitor(const ProgramContext& context, const std::vector<DesktopMonitor>& present) {
  const Monitors& monitors = context.state.monitors;
  const auto& rect = monitors.MonitorRect[std::clamp(monitors.CurrentMonitor, 1, kMaxMonitors)];
  for (size_t i = 0; i < present.size(); ++i) {
    const DesktopMonitor& m = present[i];
    const bool found = context.hotPlug.patientMonitorName.empty()
                           ? m.left == rect[1] && m.top == rect[2] && m.right == rect[3] &&
                                 m.bottom == rect[4]
                           : m.name == context.hotPlug.patientMonitorName;
    if (found) return static_cast<int>(i);
  }
  return -1;
}

// The monitor that came back: the patient's own output, else one that was not there when the
// patient monitor went (the projector plugged into another socket).
int FindReturnedMonitor(const ProgramContext& context, const std::vector<DesktopMonitor>& present) {
  const int own = FindPatientMonitor(context, present);
  if (own >= 0) return own;
  const auto& left = context.hotPlug.monitorsLeft;
  for (size_t i = 0; i < present.size(); ++i)
    if (std::find(left.begin(), left.end(), present[i].name) == left.end())
      return static_cast<int>(i);
  return -1;
}

void PatientMonitorGone(ProgramContext& context, const std::vector<DesktopMonitor>& present) {
  context.hotPlug.patientMonitorGone = true;
  context.hotPlug.monitorsLeft.clear();
  for (const DesktopMonitor& m : present) context.hotPlug.monitorsLeft.push_back(m.name);
  if (context.chartWindow) context.chartWindow->Hide();
  std::puts("Patient monitor disconnected");
  std::fflush(stdout);
}

// The patient's entry of the monitor tables takes the returned monitor's rectangle and identity;
// the other entries keep theirs, so every table keeps its calibration under its number.
void PatientMonitorBack(ProgramContext& context, const DesktopMonitor& back) {
  State& state = context.state;
  Monitors& monitors = state.monitors;
  const int m = std::clamp(monitors.CurrentMonitor, 1, kMaxMonitors);
  Monitors fresh = monitors;
  ScreenRecords freshScreens = state.screens;
  EnumerateMonitors(fresh, freshScreens);
  // Numbered afresh, the returned monitor is found by its place on the desktop.
  int n = 0;
  for (int i = 1; i <= fresh.NumberOfMonitors; ++i) {
    const MonitorRectangle& r = fresh.MonitorRect[i];
    if (r[1] == back.left && r[2] == back.top && r[3] == back.right && r[4] == back.bottom) n = i;
  }
  if (n >= 1) {
    monitors.MonitorRect[m] = fresh.MonitorRect[n];
    state.screens.Present[m] = freshScreens.Present[n];
  }
  context.hotPlug.patientMonitorGone = false;
  context.hotPlug.monitorsLeft.clear();
  std::puts("Patient monitor connected");
  std::fflush(stdout);
  MeasureScreen(monitors, m);
  // Off the chart before a question about the monitor is asked: the question opens where the
  // control window stands.
  KeepWindowsOffChart(context);
  const bool asks = CalibrationRequired(monitors, m, kMonitorChangeCalibrationMinimum) ||
                    !MonitorChangeText(state, m).empty();
  if (asks) {
    CheckCalibration(context);
  } else {
    OpenChartWindow(context);
    DrawChartFrame(context);
  }
}

}  // namespace

void WatchMonitors(ProgramContext& context) {
  if (!context.hotPlug.changes) {
    context.hotPlug.changes = std::make_unique<MonitorChanges>();
    return;
  }
  if (!context.hotPlug.changes->TakeChange()) return;
  const std::vector<DesktopMonitor> present = EnumDisplayMonitors();
  // A desktop without any monitor (all switched off at once) is waited out.
  if (present.empty()) return;
  if (!context.hotPlug.patientMonitorGone) {
    if (FindPatientMonitor(context, present) < 0) PatientMonitorGone(context, present);
  } else {
    const int back = FindReturnedMonitor(context, present);
    if (back >= 0) PatientMonitorBack(context, present[back]);
  }
  KeepWindowsOffChart(context);
  ShowLiveStatus(context);
}

}  // namespace lenvari
