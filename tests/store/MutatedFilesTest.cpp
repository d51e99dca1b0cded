#include <gtest/gtest.h>

#include <cmath>
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

TEST_F(MutatedFiles, SettingsReaderTakesAnyBytes) {
  Mutator mutator(1001);
  for (int i = 0; i < kMutations; ++i) {
    const int n = 1 + i % 10;
    const std::string text = mutator.Mutate(files_[std::to_string(n) + "lvconfig.cfg"]);
    Settings settings;
    Monitors monitors;
    monitors.CurrentMonitor = 1 + i % 10;
    ReadSettingsText(settings, monitors, n, text);
    ASSERT_TRUE(std::isfinite(settings.TimerDelay) && std::isfinite(settings.LabelSize[n]));
  }
}

TEST_F(MutatedFiles, MonitorDataReaderTakesAnyBytes) {
  Mutator mutator(2002);
  for (int i = 0; i < kMutations; ++i) {
    Monitors monitors;
    Settings settings;
    monitors.CurrentMonitor = 1;
    ReadMonitorDataText(monitors, settings, mutator.Mutate(files_["lvmonitordata.cfg"]));
    ASSERT_GE(monitors.CurrentMonitor, 1);
    ASSERT_LE(monitors.CurrentMonitor, kMaxMonitors);
    ASSERT_GE(monitors.MonitorRecordCount, 0);
    ASSERT_LE(monitors.MonitorRecordCount, kMaxMonitors);
  }
}

TEST_F(MutatedFiles, PresetReaderAndRecallTakeAnyBytes) {
  Mutator mutator(3003);
  State state = NewState("");
  for (int i = 0; i < kMutations; ++i) {
    const int read = ReadPresetText(state.presets, mutator.Mutate(files_["1presets.cfg"]));
    ASSERT_GE(read, 0);
    ASSERT_LE(read, kPresetCount * kPresetFields);
    CompletePresetTable(state.presets, read);
    int n = i % 38;
    MemoryPreset(state, "read", n);
    if (i % 4 != 0) continue;
    // What was read is written and read back unchanged.
    Presets again;
    ASSERT_EQ(ReadPresetText(again, PresetFileText(state.presets)), kPresetCount * kPresetFields);
    ASSERT_EQ(again.PresetTable, state.presets.PresetTable);
  }
}

TEST_F(MutatedFiles, LetterSetReaderTakesAnyBytes) {
  Mutator mutator(4004);
  for (int i = 0; i < kMutations; ++i) {
    const int f = i % 11;
    LetterSets letters;
    if (!ReadLetterSetText(letters, f, mutator.Mutate(files_["lv" + std::to_string(f) + ".let"])))
      continue;
    ASSERT_GE(letters.NumSizes[f], 1);
    ASSERT_LE(letters.NumSizes[f], kMaxSizes);
    ASSERT_GE(letters.NumLetterSets[f], 1);
    ASSERT_LE(letters.NumLetterSets[f], kMaxLetterSets);
    // An accepted file is written so that it reads back to the same lines.
    LetterSets again;
    ASSERT_TRUE(ReadLetterSetText(again, f, LetterSetFileText(letters, f)));
    ASSERT_EQ(again.LetterLines[f], letters.LetterLines[f]);
    ASSERT_EQ(again.LetterSetName[f], letters.LetterSetName[f]);
    ASSERT_EQ(again.MaxColumns[f], letters.MaxColumns[f]);
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
