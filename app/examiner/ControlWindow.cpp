#include "app/examiner/ControlWindow.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "common/NumberText.h"
#include "render/ContrastReadout.h"
#include "render/GammaMatchScreen.h"
#include "render/LetterChartLayout.h"
#include "render/SizeLabels.h"
#include "render/SizeReadout.h"
#include "store/ControlWindowFile.h"
#include "store/DataFolder.h"

namespace lenvari {
namespace {

constexpr double kStillSeconds = 0.5;

}  // namespace

WindowPlace ChooseControlWindowPlace(const Monitors& monitors,
                                     const std::optional<WindowPlace>& wanted) {
  return PlaceOnMonitors(ExaminerMonitors(monitors), wanted, kDefaultControlWidth,
                         kDefaultControlHeight);
}

namespace {

// While the patient monitor is disconnected no window is kept off it.
void TellPatientMonitor(ProgramContext& context) {
  const Monitors& monitors = context.state.monitors;
  const int m = std::clamp(monitors.CurrentMonitor, 1, kMaxMonitors);
  const auto& r = monitors.MonitorRect[m];
  if (context.hotPlug.patientMonitorGone) {
    context.console.SetPatientMonitor(0, 0, 0, 0);
  } else {
    context.console.SetPatientMonitor(r[1], r[2], r[3], r[4]);
  }
}

}  // namespace

void PlaceControlWindowAtStart(ProgramContext& context) {
  TellPatientMonitor(context);
  std::optional<WindowPlace> wanted;
  if (const auto stored = LoadControlWindowPlace(context.state.DataPath))
    wanted = WindowPlace{stored->left, stored->top, stored->width, stored->height};
  const WindowPlace place = ChooseControlWindowPlace(context.state.monitors, wanted);
  context.console.PlaceControlWindow(place);
  context.controlWindowPlace.saved = wanted ? *wanted : WindowPlace{};
  context.controlWindowPlace.seen = context.console.ControlWindowPlace();
}

void KeepControlWindowOffChart(ProgramContext& context) {
  TellPatientMonitor(context);
  const WindowPlace now = context.console.ControlWindowPlace();
  const WindowPlace place =
      PlaceOnMonitors(ExaminerMonitors(context), now, kDefaultControlWidth, kDefaultControlHeight);
  if (!(place == now)) context.console.PlaceControlWindow(place);
}

void KeepControlWindowPlace(ProgramContext& context) {
  const double now = std::chrono::duration<double>(
                         std::chrono::steady_clock::now().time_since_epoch()).count();
  const WindowPlace place = context.console.ControlWindowPlace();
  if (place.width <= 0 || place.height <= 0) return;
  ControlWindowWatch& watch = context.controlWindowPlace;
  if (!(place == watch.seen)) {
    watch.seen = place;
    watch.movedAt = now;
    return;
  }
  if (place == watch.saved || now - watch.movedAt < kStillSeconds) return;
  // A file that could not be read keeps what it holds.
  if (context.state.OwnFilesUnreadable.contains(kControlWindowFileName)) return;
  // Tried once per place: a folder that cannot take it is said once, not at every poll.
  watch.saved = place;
  std::string reason;
  if (!SaveControlWindowPlace(context.state.DataPath,
                              {place.left, place.top, place.width, place.height}, &reason))
    NoteSaveFailure(context.state.saveFailures,
                    ResolveDataFile(context.state.DataPath, kControlWindowFileName), reason);
}

namespace {

// One decimal: "21.6".
std::string WeberText(int foreground, const DisplayOptions& display) {
  const long tenths = std::lround(DrawnWeberContrast(foreground, display) * 10);
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

}  // namespace

std::string LiveStatusText(const State& state, const std::string& typedDigits, bool gammaByEye) {
  const ChartState& chart = state.chart;
  const int m = std::clamp(state.monitors.CurrentMonitor, 1, kMaxMonitors);
  const int f = chart.LetterSetFileNum;
  std::string size = SideLabelValue(state.letters, f, chart.SizeNow, state.settings.AcuityBase, 1);
  size = size.substr(1);  // the sign place
  auto shutter = [](int value) { return value == 999 ? std::string("all") : std::to_string(value); };
  std::string text = ModeWordOf(chart) + "  " + size + (chart.SizeNow == 0 ? " (custom)" : "") +
                     "  file " + std::to_string(f) + " line " + std::to_string(chart.LetterSet) +
                     "  columns " + shutter(chart.HShutter) + " rows " + shutter(chart.VShutter) +
                     "  contrast " + std::to_string(100 - chart.Foreground) + " % (Weber " +
                     WeberText(chart.Foreground, state.display) + " %)" +
                     "  preset " + std::to_string(chart.CurrentMemory) +
                     "  mirror " + (state.settings.Mirror[m] == -1 ? "on" : "off");
  if (!chart.JustOneLetter.empty()) text += "  letter " + chart.JustOneLetter;
  const std::vector<StrokeReadout> rows = RowReadouts(state);
  if (!rows.empty()) {
    const long tenths = std::lround(rows.front().errorPercent * 10);
    text += "  stroke " + std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " % off" +
            (rows.front().beyondTolerance ? " (!)" : "");
  }
  if (state.display.DisplayGamma > 0)
    text += "  gamma " + GammaText(state.display.DisplayGamma) + (gammaByEye ? " by eye" : "");
  if (const double best = BestMeasurableDenominator(state); best > 0)
    text += "  best " + ShortestNumber(state.letters.SnellenNumerator[SafeFileIndex(f)]) + "/" +
            ShortestNumber(best);
  const ScreenRecord& remembered = state.screens.Calibrated[m];
  if (remembered.known) {
    const std::string change = ScreenChangeText(remembered, state.screens.Present[m]);
    text += change.empty() ? "\ncalibration: made on this monitor"
                           : "\ncalibration: NOT FOR THIS MONITOR - " + change;
  }
  if (!typedDigits.empty()) text += "\ntyped: " + typedDigits;
  return text;
}

void ShowLiveStatus(ProgramContext& context, const std::string& typedDigits) {
  std::string text = LiveStatusText(context.state, typedDigits, context.gammaMatch.matchedByEye);
  if (context.hotPlug.patientMonitorGone) text = "Patient monitor disconnected\n" + text;
  if (!context.notices.status.empty()) text += "\n" + context.notices.status;
  context.console.ShowStatus(text);
}

}  // namespace lenvari
