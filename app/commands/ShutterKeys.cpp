#include "app/commands/ShutterKeys.h"

#include <algorithm>

#include "app/commands/SizeStepping.h"

namespace lenvari {
namespace {

// The pointer's position 0 means "not shown", so stepping back from 1 wraps to the far end.
void StepPointer(ChartState& chart, int step) {
  chart.PointerMode += step;
  if (chart.PointerMode == 0) chart.PointerMode = kAllOpen;
}

}  // namespace

void FewerRows(ChartState& chart, int altDown, int maxVShutter) {
  if (altDown != 0) {
    chart.VShutter = 1;
    return;
  }
  if (chart.VShutter > maxVShutter) chart.VShutter = chart.RowsShown;
  chart.VShutter = std::max(chart.VShutter - 1, 1);
}

void MoreRows(ChartState& chart, const LetterSets& letters, int altDown) {
  if (altDown != 0) {
    chart.VShutter = kAllOpen;
    return;
  }
  chart.VShutter = std::min(chart.VShutter + 1, kMostSteppedRows);
  LeaveCustomSizeUpward(chart, letters);
}

void MoreColumns(ChartState& chart, int altDown, int maxColumns, int mirror) {
  if (chart.PointerMode != 0) {
    StepPointer(chart, mirror == 1 ? 1 : -1);
    return;
  }
  if (altDown != 0) {
    chart.HShutter = kAllOpen;
    return;
  }
  chart.HShutter += 1;
  if (chart.HShutter > maxColumns && chart.HShutter != kAllOpen) chart.HShutter = maxColumns;
}

void FewerColumns(ChartState& chart, int altDown, int maxColumns, int mirror) {
  if (chart.PointerMode != 0) {
    StepPointer(chart, mirror == 1 ? -1 : 1);
    return;
  }
  if (altDown != 0) {
    chart.HShutter = 1;
    return;
  }
  chart.HShutter = chart.HShutter == kAllOpen ? maxColumns - 1 : chart.HShutter - 1;
  chart.HShutter = std::max(chart.HShutter, 1);
}

void PointerKey(ChartState& chart) {
  if (chart.PointerMode == 0) {
    chart.PointerMode = 1;
    chart.VShutter = 1;
  } else {
    chart.PointerMode += 1;
  }
}

}  // namespace lenvari
