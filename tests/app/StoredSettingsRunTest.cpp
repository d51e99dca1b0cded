// What a real installation's data folder holds after monitors come and go and files get cut
// short: the program started on such folders must show and keep what was stored.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "support/ProgramRun.h"

namespace lenvari {
namespace {

std::string ReadText(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return "<missing>";
  return file.readAll().toStdString();
}

void PutText(const std::string& path, const std::string& text) {
  QFile file(QString::fromStdString(path));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(text.data(), static_cast<qint64>(text.size()));
}

// A preset file whose presets all show letter file 6 at `size`, except preset 5 at `fifth`.
std::string PresetFile(int size, int fifth) {
  std::string text;
  for (int n = 1; n <= 36; ++n) {
    const std::string sizeNow = std::to_string(n == 5 ? fifth : size);
    for (const char* field : {sizeNow.c_str(), "Letter", "1", "1", "0", "999", "999", "0", "",
                              "11", "0", "63", "6", "6", "0", "", "", "", "", "", ""})
      text += std::string(field) + "\r\n";
  }
  return text;
}

// Field k of preset n in a preset file's text.
std::string PresetField(const std::string& text, int n, int k) {
  size_t start = 0;
  for (int line = 0; line < (n - 1) * 21 + k; ++line) start = text.find("\r\n", start) + 2;
  return text.substr(start, text.find("\r\n", start) - start);
}

// The monitor and size of each frame, consecutive repeats left out.
std::vector<std::pair<int, int>> MonitorAndSizeSequence(const ProgramRunResult& run) {
  std::vector<std::pair<int, int>> sequence;
  for (int n = 1; n <= run.FrameCount(); ++n) {
    const QJsonObject state = run.FrameState(n);
    const std::pair<int, int> entry{state["CurrentMonitor"].toInt(), state["SizeNow"].toInt()};
    if (sequence.empty() || sequence.back() != entry) sequence.push_back(entry);
  }
  return sequence;
}

// The settings file text with the value line after `key` replaced.
std::string WithValue(std::string text, const std::string& key, const std::string& value) {
  const size_t at = text.find(key + "\r\n");
  if (at == std::string::npos) return text;
  const size_t start = at + key.size() + 2;
  const size_t end = text.find("\r\n", start);
  return text.replace(start, end - start, value);
}

// Names of the backups kept of `name` in the folder ("name" + something + ".bak").
QStringList BackupsOf(const std::string& folder, const std::string& name) {
  return QDir(QString::fromStdString(folder))
      .entryList({QString::fromStdString(name) + "*.bak"}, QDir::Files);
}

// A data folder as the first start leaves it, calibrated for the monitors of `screens`.
std::string StartedFolder(const std::string& screens, int currentMonitor = 1) {
  ProgramRunRequest request;
  request.dataDir = FreshFolder("data");
  request.screens = screens;
  request.currentMonitor = currentMonitor;
  request.keys = "";
  const ProgramRunResult run = RunProgram(request);
  EXPECT_EQ(run.exitCode, 0) << run.errors;
  return request.dataDir;
}

}  // namespace

TEST(StoredSettingsRun, UnpluggedMonitorRevertsToMonitorOnesOwnPresetsAndLeavesItsFileAlone) {
  const std::string data = FreshFolder("data");
  PutText(data + "/1presets.cfg", PresetFile(3, 3));
  PutText(data + "/2presets.cfg", PresetFile(9, 9));
  ProgramRunRequest request;
  request.dataDir = data;
  request.currentMonitor = 2;  // stored, but this desk has one monitor
  request.keys = "{Ctrl+F4}";  // a store, which saves every file
  const ProgramRunResult run = RunProgram(request);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_NE(run.output.find("[Monitor Not Detected!]"), std::string::npos) << run.output;
  EXPECT_EQ(run.FrameState(1)["SizeNow"].toInt(), 3);  // monitor 1's preset 1
  EXPECT_EQ(run.LastState()["CurrentMonitor"].toInt(), 1);
  EXPECT_EQ(ReadText(data + "/2presets.cfg"), PresetFile(9, 9));
  const std::string first = ReadText(data + "/1presets.cfg");
  EXPECT_EQ(PresetField(first, 1, 0), "3");
  EXPECT_EQ(PresetField(first, 4, 0), " 3");
}

TEST(StoredSettingsRun, SettingsFileCutShortTakesDefaultsForWhatItLacksAndIsKept) {
  const std::string data = StartedFolder("one-monitor.json");
  const std::string whole = ReadText(data + "/1lvconfig.cfg");
  std::string customised = WithValue(whole, "LabelColor$:", "Red");
  customised = WithValue(customised, "MaxVShutter&:", " 6 ");
  const std::string cut = customised.substr(0, customised.find("WorthDotSize&:"));
  PutText(data + "/1lvconfig.cfg", cut);
  for (int n = 2; n <= 10; ++n) PutText(data + "/" + std::to_string(n) + "lvconfig.cfg", "");

  ProgramRunRequest request;
  request.dataDir = data;
  request.keys = "";
  const ProgramRunResult run = RunProgram(request);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  // The values before the cut are kept; every later key, globals included, is the default,
  // never 0.
  const std::string completed = ReadText(data + "/1lvconfig.cfg");
  EXPECT_EQ(completed, WithValue(WithValue(whole, "LabelColor$:", "Red"), "MaxVShutter&:", " 6 "));
  for (const char* setting :
       {"WorthDotMode&:\r\n 4 \r\n", "AccessibleContrast&:\r\n 10 \r\n", "TimerDelay!:\r\n  2.0\r\n",
        "MyRed&:\r\n 255 \r\n", "MyGreen&:\r\n 65280 \r\n", "LabelSize!:\r\n 10 \r\n"})
    EXPECT_NE(ReadText(data + "/7lvconfig.cfg").find(setting), std::string::npos) << setting;
  // The file as it was found is kept.
  const QStringList backups = BackupsOf(data, "1lvconfig.cfg");
  ASSERT_EQ(backups.size(), 1);
  EXPECT_EQ(ReadText(data + "/" + backups[0].toStdString()), cut);
  EXPECT_EQ(BackupsOf(data, "7lvconfig.cfg").size(), 1);
  // A second start finds every file whole and keeps no further copy.
  RunProgram(request);
  EXPECT_EQ(BackupsOf(data, "1lvconfig.cfg").size(), 1);
}

TEST(StoredSettingsRun, OtherMonitorsResolutionChangeSurvivesSavesUntilSwitchedTo) {
  const std::string data = StartedFolder("two-monitors.json");
  // The patient monitor now runs at a lower resolution; the chart is on the examiner's.
  ProgramRunRequest request;
  request.dataDir = data;
  request.screens = "two-monitors-patient-resized.json";
  request.keys = "{Ctrl+R}{Ctrl+F3}";  // two saves of every file
  RunProgram(request);
  const std::string monitorData = ReadText(data + "/lvmonitordata.cfg");
  EXPECT_NE(monitorData.find(" 1280 \r\n 0 \r\n 3200 \r\n 1080 \r\n"), std::string::npos)
      << monitorData;

  request.keys = "{Ctrl+A}{Enter}";
  request.answers = "OK";
  request.hasAnswers = true;
  const ProgramRunResult run = RunProgram(request);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_NE(run.output.find("[Calibration Required]"), std::string::npos) << run.output;
  EXPECT_NE(ReadText(data + "/lvmonitordata.cfg").find(" 1280 \r\n 0 \r\n 2880 \r\n 900 \r\n"),
            std::string::npos);
}

TEST(StoredSettingsRun, SwitchingMonitorRecallsAndStoresThatMonitorsOwnPresets) {
  const std::string data = FreshFolder("data");
  PutText(data + "/1presets.cfg", PresetFile(3, 4));
  PutText(data + "/2presets.cfg", PresetFile(8, 9));
  ProgramRunRequest request;
  request.dataDir = data;
  request.screens = "two-monitors.json";
  request.keys = "{Ctrl+A}{F5}{Ctrl+F6}";
  const ProgramRunResult run = RunProgram(request);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  using Sequence = std::vector<std::pair<int, int>>;
  EXPECT_EQ(MonitorAndSizeSequence(run), (Sequence{{1, 3}, {2, 8}, {2, 9}}));
  EXPECT_EQ(ReadText(data + "/1presets.cfg"), PresetFile(3, 4));
  const std::string second = ReadText(data + "/2presets.cfg");
  EXPECT_EQ(PresetField(second, 1, 0), "8");
  EXPECT_EQ(PresetField(second, 5, 0), "9");
  EXPECT_EQ(PresetField(second, 6, 0), " 9");  // the store went to the monitor in use

  // Without a preset file of its own the monitor switched to shows the built-in presets.
  request.dataDir = FreshFolder("second");
  PutText(request.dataDir + "/1presets.cfg", PresetFile(3, 4));
  request.keys = "{Ctrl+A}{F3}";
  const ProgramRunResult builtIn = RunProgram(request);
  EXPECT_EQ(MonitorAndSizeSequence(builtIn), (Sequence{{1, 3}, {2, 6}, {2, 2}}));
  EXPECT_EQ(ReadText(request.dataDir + "/1presets.cfg"), PresetFile(3, 4));
}

TEST(StoredSettingsRun, MissingSettingsFileKeepsThePatientMonitorAndTheGlobals) {
  const std::string data = StartedFolder("two-monitors.json", 2);
  for (int n = 1; n <= 9; ++n) {
    const std::string path = data + "/" + std::to_string(n) + "lvconfig.cfg";
    PutText(path, WithValue(WithValue(ReadText(path), "AcuityBase&:", " 6 "), "MyRed&:", " 200 "));
  }
  std::filesystem::remove(data + "/10lvconfig.cfg");
  ProgramRunRequest request;
  request.dataDir = data;
  request.screens = "two-monitors.json";
  request.keys = "";
  const ProgramRunResult run = RunProgram(request);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_EQ(run.LastState()["CurrentMonitor"].toInt(), 2);
  const std::string tenth = ReadText(data + "/10lvconfig.cfg");
  EXPECT_NE(tenth.find("AcuityBase&:\r\n 6 \r\n"), std::string::npos) << tenth;
  EXPECT_NE(tenth.find("MyRed&:\r\n 200 \r\n"), std::string::npos);
  EXPECT_NE(tenth.find("MaxVShutter&:\r\n 4 \r\n"), std::string::npos);
  EXPECT_EQ(ReadText(data + "/lvmonitordata.cfg").substr(0, 5), " 2 \r\n");
}

TEST(StoredSettingsRun, TimerDelayOutOfRangeIsClampedAndWrittenSoItReadsBack) {
  const std::string data = StartedFolder("one-monitor.json");
  for (const auto& [stored, written] : {std::pair{"1500", "999.9"}, std::pair{"0.01", "  0.1"},
                                        std::pair{"-3", "  0.1"}, std::pair{"12.5", " 12.5"}}) {
    for (int n = 1; n <= 10; ++n) {
      const std::string path = data + "/" + std::to_string(n) + "lvconfig.cfg";
      PutText(path, WithValue(ReadText(path), "TimerDelay!:", stored));
    }
    ProgramRunRequest request;
    request.dataDir = data;
    request.keys = "";
    RunProgram(request);
    const std::string first = ReadText(data + "/1lvconfig.cfg");
    EXPECT_NE(first.find("TimerDelay!:\r\n" + std::string(written) + "\r\n"), std::string::npos)
        << stored << "\n" << first;
  }
}

// The window itself is the monitor window's own business; the start only has to open it.
TEST(StoredSettingsRun, StoredMonitorWindowFlagOpensTheWindowAtStart) {
  const std::string data = StartedFolder("two-monitors.json", 2);
  for (int n = 1; n <= 10; ++n) {
    const std::string path = data + "/" + std::to_string(n) + "lvconfig.cfg";
    PutText(path, WithValue(ReadText(path), "MonitorWindowFlag&:", " 1 "));
  }
  ProgramRunRequest request;
  request.dataDir = data;
  request.screens = "two-monitors.json";
  request.keys = "";
  const ProgramRunResult run = RunProgram(request);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_TRUE(QFile::exists(QString::fromStdString(run.framesDir) + "/monitor-0001.png"));
}

}  // namespace lenvari
