#include "render/SizeLabels.h"

#include <algorithm>
#include <cstdio>

#include "common/NumberText.h"
#include "platform/qtgui/Canvas.h"
#include "render/ChartColours.h"
#include "render/LetterChartLayout.h"
#include "render/Optotype.h"
#include "render/StatusLine.h"
#include "store/State.h"

namespace lenvari {

std::string SideLabelValue(const LetterSets& letters, int f, int s, int acuityBase,
                           int showTestDistance) {
  const double d = LetterDenominator(letters, f, s);
  const double numerator = f >= 0 && f <= kLetterSetFiles ? letters.SnellenNumerator[f] : 0;
  if (acuityBase != 1) {
    const double value = numerator != 0 ? d / numerator * acuityBase : 0;
    std::string text = ShortestNumber(value);
    if (showTestDistance == 1) text = ShortestNumber(acuityBase) + "/" + text;
    return " " + text;
  }
  const double decimal = d != 0 ? RoundToHundredths(numerator / d) : 0;
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%05.2f", decimal);
  return buffer;
}

void DrawSizeLabels(State& state, const OptotypeShapes& shapes, Canvas& canvas) {
  const ChartState& chart = state.chart;
  const int m = std::clamp(state.monitors.CurrentMonitor, 1, kMaxMonitors);
  const int f = SafeFileIndex(chart.LetterSetFileNum);
  const double labelSize = state.settings.LabelSize[m];
  const double chartWidth = state.monitors.ChartWidth;
  const double chartHeight = state.monitors.ChartHeight;

  if (labelSize != 0) {
    const int rows = chart.Grad != 0 ? chart.RowsShown : 1;
    const double cw = static_cast<double>(RoundHalfEven(0.75 * 5 * labelSize));
    const double ch = static_cast<double>(RoundHalfEven(5 * labelSize));
    const Colour colour = LabelColourOf(state.settings.LabelColor[m]);
    int lastDirection = 0;
    for (int j = 1; j <= rows; ++j) {
      const std::string label =
          SideLabelValue(state.letters, f, chart.SizeNow - chart.Grad * (j - 1),
                         state.settings.AcuityBase, state.settings.ShowTestDistance[m]);
      const double yc = static_cast<double>(RoundHalfEven(
          chartHeight / 2 - 0.02 * chartHeight - ch / 2 - 1.3 * ch * (rows - j)));
      for (size_t i = 2; i <= label.size(); ++i) {
        const double xc = static_cast<double>(RoundHalfEven(
            -chartWidth / 2 + 0.02 * chartWidth + cw / 2 + 1.3 * cw * static_cast<double>(i - 2)));
        std::string key = label.substr(i - 1, 1);
        // Labels never take the mirror: the mode is irrelevant here, so no orientation is drawn.
        DrawOptotype(canvas, shapes, key, colour, xc, yc, labelSize, 1, ChartMode::Letter,
                     lastDirection, state.random);
      }
    }
  }
  // The mirror setting is normalised as a side effect of drawing the labels.
  int& mirror = state.settings.Mirror[m];
  mirror = mirror == -1 ? -1 : 1;

  DrawStatusLine(state, canvas);
}

}  // namespace lenvari
