#include "app/examiner/LetterLineEditor.h"

#include "store/LetterSetFiles.h"

namespace lenvari {

std::string AskText(ConsoleBoxes& boxes, const std::string& prompt, const std::string& title,
                    const std::string& defaultText) {
  return boxes.ConsoleInputBox(prompt, title, defaultText);
}

std::string AllowedLetterLine(const std::string& answer) {
  static const std::string kAllowed = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ.hepjbc-_";
  constexpr std::size_t kLongestLine = 10;
  std::string line;
  for (char c : answer) {
    if (line.size() == kLongestLine) break;
    if (kAllowed.find(c) != std::string::npos) line += c;
  }
  return line;
}

bool EditLetterLine(LetterSets& letters, const ChartState& chart, const std::string& dataPath,
                    ConsoleBoxes& boxes, const std::function<void()>& drawChart,
                    SaveFailures* failures) {
  const int f = chart.LetterSetFileNum, s = chart.LetterSet, j = chart.SizeNow;
  // A chart state from a damaged preset may name a line the tables do not have.
  if (f < 0 || f > kLetterSetFiles || s < 0 || s > kMaxLetterSets || j < 0 || j > kMaxSizes)
    return false;
  std::string& line = letters.LetterLines[f][s][j];
  const std::string answer =
      AskText(boxes, "Enter capital letters, numbers, b,c,e,h,j,or p", "Edit", line);
  const std::string allowed = AllowedLetterLine(answer);
  if (allowed.empty()) {
    boxes.ConsoleMessageBox("Invalid Entry", kMbOk, "!");
    return false;
  }
  line = allowed;
  SaveLetterSets(letters, dataPath, failures);
  if (drawChart) drawChart();
  return true;
}

}  // namespace lenvari
