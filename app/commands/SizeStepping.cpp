#include "app/commands/SizeStepping.h"

#include <algorithm>

namespace lenvari {
namespace {

// The file's size count, or -1 for a file number outside the tables.
int SizeCount(const ChartState& chart, const LetterSets& letters) {
  const int f = chart.LetterSetFileNum;
  if (f < 0 || f > kLetterSetFiles) return -1;
  return std::clamp(letters.NumSizes[f], 0, kMaxSizes);
}

float Size(const ChartState& chart, const LetterSets& letters, int i) {
  return letters.LetterSize[chart.LetterSetFileNum][i];
}

void StepUpFromCustom(ChartState& chart, const LetterSets& letters, int n) {
  const float custom = Size(chart, letters, 0);
  int i = 0;
  while (i < n) {
    ++i;
    if (Size(chart, letters, i) > custom) break;
  }
  chart.SizeNow = i;
}

void StepDownFromCustom(ChartState& chart, const LetterSets& letters, int n) {
  const float custom = Size(chart, letters, 0);
  int i = n;
  while (i > 1 && Size(chart, letters, i) >= custom) --i;
  chart.SizeNow = i;
}

void StepBy(ChartState& chart, int n, int step) {
  chart.SizeNow = std::clamp(chart.SizeNow + step, 1, std::max(1, n));
}

int RowsStep(const ChartState& chart) { return chart.Grad == 1 ? chart.RowsShown : 1; }

}  // namespace

void SizeUp(ChartState& chart, const LetterSets& letters) {
  const int n = SizeCount(chart, letters);
  if (n < 1) return;
  if (chart.SizeNow == 0) return StepUpFromCustom(chart, letters, n);
  chart.SizeNow = std::min(chart.SizeNow + 1, n);
}

void SizeDown(ChartState& chart, const LetterSets& letters) {
  const int n = SizeCount(chart, letters);
  if (n < 1) return;
  if (chart.SizeNow == 0) return StepDownFromCustom(chart, letters, n);
  chart.SizeNow = std::max(chart.SizeNow - 1, 1);
}

void SizeUpByRows(ChartState& chart, const LetterSets& letters) {
  const int n = SizeCount(chart, letters);
  if (n < 1) return;
  if (chart.SizeNow == 0) return StepUpFromCustom(chart, letters, n);
  StepBy(chart, n, RowsStep(chart));
}

void SizeDownByRows(ChartState& chart, const LetterSets& letters) {
  const int n = SizeCount(chart, letters);
  if (n < 1) return;
  if (chart.SizeNow == 0) return StepDownFromCustom(chart, letters, n);
  StepBy(chart, n, -RowsStep(chart));
}

void LeaveCustomSizeUpward(ChartState& chart, const LetterSets& letters) {
  const int n = SizeCount(chart, letters);
  if (n < 1 || chart.SizeNow != 0) return;
  StepUpFromCustom(chart, letters, n);
}

}  // namespace lenvari
