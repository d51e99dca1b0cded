// What a real installation's data folder holds after monitors come and go and files get cut
// short: the program started on such folders must show and keep what was stored.

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "store/DataFolder.h"
#include "support/DataFolderText.h"
#include "support/ProgramRun.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

// A preset file whose presets all show letter file 6 at `size`, except preset 5 at `fifth`.
std::string PresetFile(int size, int fifth) {
  PresetFields presets = PlainPresets(size);
  presets[4][0] = std::to_string(fifth);
  return PresetFileText(presets);
}

// Field k of preset n in a preset file's text.
std::string PresetField(const std::string& text, int n, int k) {
  size_t start = 0;
  for (int line = 0; line < (n - 1) * 21 + k; ++line) start = text.find("\r\n", start) + 2;
  return text.substr(start, text.find("\r\n", start) - start);
}

using P = std::pair<const char*, const char*>;

// The monitor and size of each frame, consecutive repeats left out.
using Sequence = std::vector<std::pair<int, int>>;
Sequence MonitorAndSizeSequence(const ProgramRunResult& run) {
  Sequence sequence;
  for (int n = 1; n <= run.FrameCount(); ++n) {
    const std::pair entry{run.FrameState(n)["CurrentMonitor"].toInt(), run.FrameState(n)["SizeNow"].toInt()};
    if (sequence.empty() || sequence.back() != entry) sequence.push_back(entry);
  }
  return sequence;
}

ProgramRunResult Start(const std::string& data, const std::string& keys,
                       const std::string& screens = "one-monitor.json", int currentMonitor = 1) {
  ProgramRunRequest request = ScriptRequest(keys, data);
  request.screens = screens, request.currentMonitor = currentMonitor;
  return RunWell(request);
}

}  // namespace

TEST(StoredSettingsRun, UnpluggedMonitorRevertsToMonitorOnesOwnPresetsAndLeavesItsFileAlone) {
  const std::string data = FreshFolder("data");
  PutText(data + "/1presets.cfg", PresetFile(3, 3));
  PutText(data + "/2presets.cfg", PresetFile(9, 9));
  // Monitor 2 is stored, but this desk has one monitor (the revert and its box are the monitor
  // check's own test); a store saves every file.
  const ProgramRunResult run = Start(data, "{Ctrl+F4}", "one-monitor.json", 2);
  EXPECT_EQ(run.FrameState(1)["SizeNow"].toInt(), 3);  // monitor 1's preset 1
  EXPECT_EQ(Tie(run.LastState()["CurrentMonitor"].toInt(), ReadText(data + "/2presets.cfg"),
                PresetField(ReadText(data + "/1presets.cfg"), 1, 0),
                PresetField(ReadText(data + "/1presets.cfg"), 4, 0)),
            Tie(1, PresetFile(9, 9), "3", " 3"));
}

TEST(StoredSettingsRun, SettingsFileCutShortTakesDefaultsForWhatItLacksAndIsKept) {
  const std::string data = StartedFolder();
  const std::string whole = ReadText(data + "/1lvconfig.cfg");
  const std::string customised = WithValue(WithValue(whole, "LabelColor$:", "Red"), "MaxVShutter&:", " 6 ");
  const std::string cut = customised.substr(0, customised.find("WorthDotSize&:"));
  PutText(data + "/1lvconfig.cfg", cut);
  for (int n = 2; n <= 10; ++n) PutText(data + "/" + std::to_string(n) + "lvconfig.cfg", "");
  Start(data, "");
  // The values before the cut are kept; every later key, globals included, is the default,
  // never 0.
  EXPECT_EQ(ReadText(data + "/1lvconfig.cfg"), customised);
  for (const auto& [key, value] : {P{"WorthDotMode&:", " 4 "}, P{"AccessibleContrast&:", " 10 "},
                                   P{"TimerDelay!:", "  2.0"}, P{"MyRed&:", " 255 "},
                                   P{"MyGreen&:", " 65280 "}, P{"LabelSize!:", " 10 "}})
    EXPECT_EQ(Setting(data, 7, key), value) << key;
  // The file as it was found is kept. (That the next start keeps no second copy is the start's
  // fuzz harness's check: a second start writes no file the first did not.)
  ASSERT_EQ(BackupsOf(data + "/1lvconfig.cfg").size(), 1u);
  EXPECT_EQ(ReadText(BackupsOf(data + "/1lvconfig.cfg")[0]), cut);
  EXPECT_EQ(BackupsOf(data + "/7lvconfig.cfg").size(), 1u);
}

TEST(StoredSettingsRun, OtherMonitorsResolutionChangeSurvivesSavesUntilSwitchedTo) {
  const std::string data = StartedFolder("two-monitors.json");
  // The patient monitor now runs at a lower resolution; the chart is on the examiner's.
  Start(data, "{Ctrl+R}{Ctrl+F3}", "two-monitors-patient-resized.json");  // two saves of every file
  EXPECT_NE(ReadText(data + "/lvmonitordata.cfg").find(" 1280 \r\n 0 \r\n 3200 \r\n 1080 \r\n"),
            std::string::npos);
  ProgramRunRequest request = ScriptRequest("{Ctrl+A}{Enter}", data, "OK");
  request.screens = "two-monitors-patient-resized.json";
  const ProgramRunResult run = RunWell(request);
  EXPECT_TRUE(Printed(run, "[Calibration Required]")) << run.output;
  EXPECT_NE(ReadText(data + "/lvmonitordata.cfg").find(" 1280 \r\n 0 \r\n 2880 \r\n 900 \r\n"),
            std::string::npos);
}

TEST(StoredSettingsRun, SwitchingMonitorRecallsAndStoresThatMonitorsOwnPresets) {
  const std::string data = FreshFolder("data");
  PutText(data + "/1presets.cfg", PresetFile(3, 4));
  PutText(data + "/2presets.cfg", PresetFile(8, 9));
  const ProgramRunResult run = Start(data, "{Ctrl+A}{F5}{Ctrl+F6}", "two-monitors.json");
  EXPECT_EQ(MonitorAndSizeSequence(run), (Sequence{{1, 3}, {2, 8}, {2, 9}}));
  EXPECT_EQ(ReadText(data + "/1presets.cfg"), PresetFile(3, 4));
  const std::string second = ReadText(data + "/2presets.cfg");
  EXPECT_EQ(Tie(PresetField(second, 1, 0), PresetField(second, 5, 0)), Tie("8", "9"));
  EXPECT_EQ(PresetField(second, 6, 0), " 9");  // the store went to the monitor in use

  // Without a preset file of its own the monitor switched to shows the built-in presets.
  const std::string other = FreshFolder("second");
  PutText(other + "/1presets.cfg", PresetFile(3, 4));
  EXPECT_EQ(MonitorAndSizeSequence(Start(other, "{Ctrl+A}{F3}", "two-monitors.json")),
            (Sequence{{1, 3}, {2, 6}, {2, 2}}));
}

}  // namespace lenvari
