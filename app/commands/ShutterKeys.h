#pragma once
// The shutters: how many rows (`VShutter`) and columns (`HShutter`) of the chart are open,
// 999 meaning all; and the pointer that the column keys move while it is shown.

#include "store/ChartState.h"
#include "store/LetterSets.h"

namespace lenvari {

constexpr int kAllOpen = 999;
// The most rows the row key opens one by one.
constexpr int kMostSteppedRows = 8;

// Down and "@": one row fewer (from "all", one fewer than the rows shown when there are more
// than the monitor's row limit), at least 1; with Alt held, one row.
void FewerRows(ChartState& chart, int altDown, int maxVShutter);
// Up and "!": one row more, at most 8, leaving the custom size upward; with Alt held, all rows.
void MoreRows(ChartState& chart, const LetterSets& letters, int altDown);
// Right and "$": with the pointer shown, the pointer one optotype on (as seen by the patient);
// otherwise one column more, at most the file's columns; with Alt held, all columns.
void MoreColumns(ChartState& chart, int altDown, int maxColumns, int mirror);
// Left and "#": with the pointer shown, the pointer one optotype back; otherwise one column
// fewer (from "all", one fewer than the file's columns), at least 1; with Alt held, one column.
void FewerColumns(ChartState& chart, int altDown, int maxColumns, int mirror);
// "u": shows the pointer under the first optotype of one row, or moves it one on.
void PointerKey(ChartState& chart);

}  // namespace lenvari
