#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <random>

#include "StoreTestFolder.h"
#include "store/LetterSetFiles.h"
#include "store/MonitorDataFile.h"
#include "store/PresetFile.h"

namespace lenvari {
namespace {

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

constexpr int kMutations = 2000;

class MutatedFiles : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    State state = NewState(folder);
    FakeConsoleHost host;
    StartUp(state, host);
    // A stored preset and a moved monitor window give the files their less common forms.
    state.chart.JustOneLetter = "Q";
    state.monitors.MonitorRect[2] = {0, -1280, -20, 0, 1004};
    state.settings.MonitorWindowX[1] = -900;
    int n = 36;
    MemoryPreset(state, "write", n);
    for (const std::string& name : FileNames(folder)) files_[name] = FileText(folder, name);
  }

  static std::map<std::string, std::string> files_;
};

std::map<std::string, std::string> MutatedFiles::files_;

// Each reader takes mutated copies of its files and must leave what it read within the tables;
// what it accepted must write and read back unchanged.
TEST_F(MutatedFiles, EveryReaderTakesAnyBytes) {
  State state = NewState("");
  using Mutated = std::function<std::string(const std::string&)>;  // a copy of the named file
  const std::function<void(int, const Mutated&)> readers[] = {
      [](int i, const auto& mutated) {
        const int n = 1 + i % 10;
        Settings settings;
        Monitors monitors;
        monitors.CurrentMonitor = 1 + i % 10;
        ReadSettingsText(settings, monitors, n, mutated(std::to_string(n) + "lvconfig.cfg"));
        ASSERT_TRUE(std::isfinite(settings.TimerDelay) && std::isfinite(settings.LabelSize[n]));
      },
      [](int, const auto& mutated) {
        Monitors monitors;
        Settings settings;
        monitors.CurrentMonitor = 1;
        ReadMonitorDataText(monitors, settings, mutated("lvmonitordata.cfg"));
        ASSERT_TRUE(monitors.CurrentMonitor >= 1 && monitors.CurrentMonitor <= kMaxMonitors);
        ASSERT_TRUE(monitors.MonitorRecordCount >= 0 && monitors.MonitorRecordCount <= kMaxMonitors);
      },
      [&state](int i, const auto& mutated) {
        const int read = ReadPresetText(state.presets, mutated("1presets.cfg"));
        ASSERT_TRUE(read >= 0 && read <= kPresetCount * kPresetFields);
        CompletePresetTable(state.presets, read);
        int n = i % 38;
        MemoryPreset(state, "read", n);
        if (i % 4 != 0) return;
        Presets again;
        ASSERT_EQ(ReadPresetText(again, PresetFileText(state.presets)), kPresetCount * kPresetFields);
        ASSERT_EQ(again.PresetTable, state.presets.PresetTable);
      },
      [](int i, const auto& mutated) {
        const int f = i % 11;
        LetterSets letters;
        if (!ReadLetterSetText(letters, f, mutated("lv" + std::to_string(f) + ".let"))) return;
        ASSERT_TRUE(letters.NumSizes[f] >= 1 && letters.NumSizes[f] <= kMaxSizes);
        ASSERT_TRUE(letters.NumLetterSets[f] >= 1 && letters.NumLetterSets[f] <= kMaxLetterSets);
        LetterSets again;
        ASSERT_TRUE(ReadLetterSetText(again, f, LetterSetFileText(letters, f)));
        ASSERT_EQ(again.LetterLines[f], letters.LetterLines[f]);
        ASSERT_EQ(again.LetterSetName[f], letters.LetterSetName[f]);
        ASSERT_EQ(again.MaxColumns[f], letters.MaxColumns[f]);
      },
  };
  unsigned seed = 1000;
  for (const auto& read : readers) {
    Mutator mutator(++seed);
    const auto mutated = [&](const std::string& name) { return mutator.Mutate(files_[name]); };
    for (int i = 0; i < kMutations && !HasFatalFailure(); ++i) read(i, mutated);
  }
}

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
