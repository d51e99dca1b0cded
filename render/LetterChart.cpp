#include "render/LetterChart.h"

#include <algorithm>

#include "common/AcuityNotation.h"
#include "common/NumberText.h"
#include "platform/qtgui/Canvas.h"
#include "render/ChartColours.h"
#include "render/LetterChartBackground.h"
#include "render/LetterChartLayout.h"
#include "render/LetterChartRandom.h"
#include "render/Optotype.h"
#include "store/State.h"

namespace lenvari {
namespace {

long long R(double x) { return RoundHalfEven(x); }

bool RandomDrawApplies(ChartMode mode) {
  return mode != ChartMode::AstigmaticClockDial && mode != ChartMode::WorthDot &&
         mode != ChartMode::Disparity && mode != ChartMode::JacksonCross &&
         mode != ChartMode::TumblingE && mode != ChartMode::LandoltC;
}

// The key of the letter at position p (1-based) of the row.
std::string RowKey(const ChartState& chart, const std::string& line, int p) {
  if (chart.Mode == ChartMode::LandoltC) return "C";
  if (chart.Mode == ChartMode::TumblingE) return "E";
  if (!chart.JustOneLetter.empty()) return chart.JustOneLetter;
  if (p < 1 || p > static_cast<int>(line.size())) return "";
  return line.substr(static_cast<size_t>(p - 1), 1);
}

}  // namespace

void DrawLetterChart(State& state, const OptotypeShapes& shapes, Canvas& canvas,
                     Colour foregroundColor) {
  ChartState& chart = state.chart;
  const LetterSets& letters = state.letters;
  const Monitors& monitors = state.monitors;
  const int m = std::clamp(monitors.CurrentMonitor, 1, kMaxMonitors);
  const int f = SafeFileIndex(chart.LetterSetFileNum);
  const int k = BoxFactor(letters, f);
  const int mirror = state.settings.Mirror[m] == -1 ? -1 : 1;
  const int chartWidth = monitors.ChartWidth;
  auto D = [&](int s) { return LetterDenominator(letters, f, s); };

  state.MonitorText.clear();
  std::string rowText;
  std::string drawnKeys;

  const long long h1 = R(5.0 * k * D(chart.SizeNow));
  if (chart.SizeNow == 0) {
    chart.RandomFlag = 1;
    chart.HShutter = std::min(chart.HShutter, 5);
  }

  const RowFit fit = FitLetterRows(letters, f, chart.SizeNow, chart.Grad, chart.VShutter,
                                   state.settings.MaxVShutter[m], monitors.ChartHeight);
  chart.RowsShown = fit.RowsShown;
  if (chart.RowsShown < chart.VShutter && chart.VShutter != 999) chart.VShutter = chart.RowsShown;

  MaskWindow mask;
  if (chart.Mask != 0) {
    mask = MaskGeometry(chartWidth, R(5.0 * k * D(chart.SizeNow)), fit.total, chart.HShutter,
                        letters.MaxColumns[f]);
  }
  DrawLetterChartBackground(canvas, chart, mask, chartWidth, monitors.ChartHeight);

  double y = static_cast<double>(R(-fit.total / 2 + 3.0 * static_cast<double>(h1) / 2));
  int s = chart.SizeNow;
  int l = chart.SizeNow;
  const std::string numerator = ShortestNumber(letters.SnellenNumerator[f]);
  const bool hotv = letters.LetterSetName[f].rfind("HOTV", 0) == 0;

  for (int row = 1; row <= chart.RowsShown; ++row) {
    const std::string& line = LetterLine(letters, f, chart.LetterSet, l);
    const long long w = R(5.0 * k * D(s));
    int n = LettersAcross(chartWidth, w);
    if (chart.HShutter < n && chart.HShutter != 999) n = chart.HShutter;
    if (chart.JustOneLetter.empty() && chart.SizeNow != 0) {
      n = std::min(n, static_cast<int>(line.size()));
    }
    if (n < chart.HShutter && chart.HShutter != 999) chart.HShutter = n;
    if (n <= 0) n = 1;

    int p = mirror == 1 ? 0 : n + 1;
    if (chart.PointerMode == 999) chart.PointerMode = n;
    if (n < chart.PointerMode && chart.PointerMode != 0) chart.PointerMode = 1;

    state.MonitorText += ConvertAcuity(numerator + "/" + ShortestNumber(D(s)),
                                       state.settings.AcuityBase);
    state.MonitorText += "     ";

    const double size = D(s);
    const double step = 2.0 * static_cast<double>(w);
    for (int i = 0; i < n; ++i) {
      const double x = -(n - 1) * static_cast<double>(w) + step * i;
      p += mirror;
      std::string key = RowKey(chart, line, p);
      if (chart.RandomFlag != 0 && RandomDrawApplies(chart.Mode)) {
        chart.RandomPool = RandomPoolFor(chart.Mode, letters.LetterSetName[f], chart.RandomPool);
        // A pool never filled (a mode without its own optotypes) leaves the row's letter.
        if (!chart.RandomPool.empty()) {
          key = DrawRandomKey(chart.RandomPool, hotv, drawnKeys, state.random);
        }
      }
      DrawOptotype(canvas, shapes, key, foregroundColor, x, y, size, mirror, chart.Mode,
                   chart.LastDirection, state.random);
      if (chart.PointerMode == p) {
        const double py = static_cast<double>(R(y + (15.0 + 5.0 * (k - 1)) * size));
        std::string halo = "ArrowHalo";
        std::string arrow = "Arrow";
        DrawOptotype(canvas, shapes, halo, kWhite, x, py, 3.5 * size, mirror, chart.Mode,
                     chart.LastDirection, state.random);
        DrawOptotype(canvas, shapes, arrow, kPureBlue, x, py, 3.5 * size, mirror, chart.Mode,
                     chart.LastDirection, state.random);
      }
      if (mirror == 1) {
        state.MonitorText += " " + key;
      } else {
        rowText = key + " " + rowText;
      }
    }
    if (mirror != 1) state.MonitorText += rowText;
    state.MonitorText += '\r';
    rowText.clear();
    drawnKeys.clear();

    y = static_cast<double>(R(y + 1.5 * 5.0 * k * D(s)));
    if (chart.Grad != 0) s -= 1;
    y = static_cast<double>(R(y + 0.5 * 5.0 * k * D(s)));
    l -= 1;
    if (l <= 0) l = letters.NumSizes[f] - l;
  }
  chart.RandomFlag = 0;
}

}  // namespace lenvari
