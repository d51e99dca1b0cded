#include "render/TargetSizeSearch.h"

#include <algorithm>

namespace lenvari {

void SearchTargetSize(ChartState& chart, LetterSets& letters, int targetSize) {
  const int f = chart.LetterSetFileNum;
  if (f < 0 || f > kLetterSetFiles) return;
  const int sizes = std::clamp(letters.NumSizes[f], 0, kMaxSizes);
  const auto& table = letters.LetterSize[f];
  for (int i = 1; i <= sizes; ++i) {
    if (table[i] == static_cast<float>(targetSize)) {
      chart.SizeNow = i;
      return;
    }
  }
  float largest = 0;
  for (int i = 1; i <= sizes; ++i) largest = std::max(largest, table[i]);
  if (targetSize >= 10 && static_cast<float>(targetSize) <= largest) {
    chart.SizeNow = 0;
    for (int file = 1; file <= kLetterSetFiles; ++file) {
      letters.LetterSize[file][0] = static_cast<float>(targetSize);
    }
  }
}

}  // namespace lenvari
