#include "app/commands/SnellenEntry.h"

#include <algorithm>

#include "app/loop/ChartDisplay.h"
#include "app/examiner/ControlWindow.h"
#include "app/loop/WaitForInput.h"
#include "common/NumberText.h"

namespace lenvari {
namespace {

constexpr char kEnter = 13;
constexpr size_t kMostCharacters = 4;

}  // namespace

SnellenEntryStep NextSnellenEntryStep(const std::string& buffer, const std::string& next) {
  if (buffer.size() >= kMostCharacters) return SnellenEntryStep::Apply;
  if (next.size() == 1 && ((next[0] >= '0' && next[0] <= '9') || next[0] == '.'))
    return SnellenEntryStep::Append;
  if (next.size() == 1 && next[0] == kEnter) return SnellenEntryStep::Apply;
  return SnellenEntryStep::Cancel;
}

void ApplySnellenEntry(ChartState& chart, LetterSets& letters, const std::string& buffer) {
  const int f = chart.LetterSetFileNum;
  if (f < 0 || f > kLetterSetFiles) return;
  const int n = std::clamp(letters.NumSizes[f], 0, kMaxSizes);
  const auto& sizes = letters.LetterSize[f];
  // The sizes are single-precision values, so the typed value is compared at that precision
  // ("6.3" finds the size 6.3).
  const double value = LeadingNumber(buffer);
  for (int i = 1; i <= n; ++i) {
    if (sizes[i] == static_cast<float>(value)) {
      chart.SizeNow = i;
      return;
    }
  }
  const long long whole = RoundHalfEven(value);
  if (n < 1 || whole < 10 || static_cast<float>(whole) > sizes[n]) return;
  chart.SizeNow = 0;
  for (int k = 1; k <= kLetterSetFiles; ++k) letters.LetterSize[k][0] = static_cast<float>(whole);
  chart.Grad = 0;
  chart.VShutter = 1;
}

void DirectSnellenEntry(ProgramContext& context, const std::string& first) {
  std::string buffer = first;
  while (true) {
    // The digits never reach the patient's screen; the examiner sees them in the control window.
    ShowLiveStatus(context, buffer);
    const std::string next = WaitForInput(context);
    switch (NextSnellenEntryStep(buffer, next)) {
      case SnellenEntryStep::Append:
        buffer += next;
        break;
      case SnellenEntryStep::Apply:
        ApplySnellenEntry(context.state.chart, context.state.letters, buffer);
        DrawChartFrame(context);
        return;
      case SnellenEntryStep::Cancel:
        return;
    }
  }
}

}  // namespace lenvari
