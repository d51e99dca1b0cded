#include "render/StatusLine.h"

#include <algorithm>
#include <cmath>

#include "common/NumberText.h"
#include "platform/qtgui/Canvas.h"
#include "render/LetterChartLayout.h"
#include "store/State.h"

namespace lenvari {

std::string StatusLineText(const State& state) {
  const ChartState& chart = state.chart;
  const int f = SafeFileIndex(chart.LetterSetFileNum);
  const int contrastPercent = 100 - chart.Foreground;
  std::string text;
  if (chart.JustOneLetter.empty()) {
    text = "  " + state.letters.LetterSetName[f] + " (file #" + NumberText(chart.LetterSetFileNum) +
           ", set #" + NumberText(chart.LetterSet) + ")     contrast=" + NumberText(contrastPercent);
  } else {
    text = "Single Letter: '" + chart.JustOneLetter + "'     contrast=" + NumberText(contrastPercent);
  }
  if (chart.SizeNow == 0) text = "  CUSTOM  " + std::string(5, ' ') + text;
  if (chart.ShowMemoryNumber != 0) {
    text += "   Memory: " + NumberText(chart.CurrentMemory) + "  ";
  } else {
    text += "   Memory: N/A";
  }
  return text;
}

void DrawStatusLine(const State& state, Canvas& canvas) {
  const int m = std::clamp(state.monitors.CurrentMonitor, 1, kMaxMonitors);
  if (state.settings.StatusBar[m] != 0 || state.chart.Mode == ChartMode::Arrow) return;
  const std::string text = StatusLineText(state);
  // 12 points on the screen itself: smoothing no longer draws on a double-size bitmap, so the
  // doubled point size that compensated for it is not needed.
  canvas.SetFont("Times New Roman", 12);
  canvas.SetTextColour(kBlack);
  canvas.SetTextBackground(kWhite, true);
  const double width = canvas.TextWidth(text);
  canvas.PrintText(std::floor(-width / 2), 0.95 * state.monitors.ChartHeight / 2, text);
}

}  // namespace lenvari
