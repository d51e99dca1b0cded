#include <gtest/gtest.h>

#include <map>
#include <random>

#include "StoreTestFolder.h"

namespace lenvari {
namespace {

// Each reader on its own, with the round trip, is fuzzed by fuzz/ (run in CI); here a whole
// start meets a damaged folder.

// Damage of the kinds files meet: a changed byte, an inserted delimiter or number, a lost
// range, a cut end, a repeated block, another system's line ends.
class Mutator {
 public:
  explicit Mutator(unsigned seed) : random_(seed) {}

  std::string Mutate(std::string text) {
    const int steps = Pick(1, 4);
    for (int i = 0; i < steps; ++i) Step(text);
    return text;
  }

 private:
  std::mt19937 random_;

  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  size_t Position(const std::string& text) { return static_cast<size_t>(Pick(0, static_cast<int>(text.size()))); }

  char Interesting() {
    static const char kBytes[] = {',', '"', '\r', '\n', ' ', '\t', '-', '.', 'e', 'E', '9',
                                  '0', '+', ':', '&', '\0', '\x7f', '\xff'};
    return Pick(0, 3) == 0 ? static_cast<char>(Pick(0, 255))
                           : kBytes[Pick(0, sizeof kBytes - 1)];
  }

  void Step(std::string& text) {
    static const char* const kNumbers[] = {"999999999999", "-2147483649", "1e39", "-1e-50",
                                           "21", "9", "0", "-1", "11", "\"", "1.5.5", "e5"};
    const size_t at = Position(text);
    switch (Pick(0, 6)) {
      case 0:
        if (at < text.size()) text[at] = Interesting();
        break;
      case 1:
        text.insert(at, 1, Interesting());
        break;
      case 2:
        text.insert(at, kNumbers[Pick(0, 11)]);
        break;
      case 3:
        text.erase(at, static_cast<size_t>(Pick(1, 20)));
        break;
      case 4:
        text.resize(at);
        break;
      case 5: {
        const std::string block = text.substr(Position(text), static_cast<size_t>(Pick(1, 60)));
        text.insert(Position(text), block);
        break;
      }
      default:
        if (Pick(0, 3) == 0) text = WithoutCarriageReturns(text);
        break;
    }
  }
};

class MutatedFiles : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    State state = NewState(folder);
    FakeConsoleHost host;
    StartUp(state, host);
    // A stored preset and a moved monitor window give the files their less common forms.
    state.chart.JustOneLetter = "Q", state.monitors.MonitorRect[2] = {0, -1280, -20, 0, 1004};
    state.settings.MonitorWindowX[1] = -900;
    OnPreset(state, PresetAction::Store, 36);
    for (const std::string& name : FileNames(folder)) files_[name] = FileText(folder, name);
  }

  static std::map<std::string, std::string> files_;
};

std::map<std::string, std::string> MutatedFiles::files_;

TEST_F(MutatedFiles, WholeStartTakesADamagedFolder) {
  Mutator mutator(5005);
  for (int round = 0; round < 6; ++round) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    for (const auto& [name, text] : files_)
      PutFile(folder, name, round % 2 ? mutator.Mutate(text) : text.substr(0, text.size() / 3));
    State state = NewState(folder);
    FakeConsoleHost host;
    StartUp(state, host);
    ASSERT_GE(state.monitors.CurrentMonitor, 1);
    ASSERT_LE(state.monitors.CurrentMonitor, kMaxMonitors);
    for (int f = 0; f <= kLetterSetFiles; ++f) ASSERT_GE(state.letters.NumSizes[f], 1);
  }
}

}  // namespace
}  // namespace lenvari
