#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QJsonArray>

#include <map>

#include "store/DataFolder.h"
#include "support/ProgramRun.h"

namespace lenvari {
namespace {

std::string ReadFile(const std::string& path) { return ReadWholeFile(path).value_or(""); }

// The value line under a key line of a settings file.
std::string ValueOf(const std::string& text, const std::string& key) {
  const size_t at = text.find(key + "\r\n");
  if (at == std::string::npos) return "<missing>";
  const size_t start = at + key.size() + 2;
  return text.substr(start, text.find("\r\n", start) - start);
}

std::map<std::string, std::string> FolderFiles(const std::string& dir) {
  std::map<std::string, std::string> files;
  for (const char* name : {"globalconfig.cfg", "lvmonitordata.cfg", "1lvconfig.cfg",
                           "2lvconfig.cfg", "3lvconfig.cfg", "1presets.cfg"})
    files[name] = ReadFile(dir + "/" + name);
  return files;
}

bool Printed(const ProgramRunResult& run, const std::string& line) {
  return run.output.find(line) != std::string::npos;
}

// A run on a fresh calibrated folder that has been started once, so its files exist.
struct ConfigurationRun {
  ProgramRunRequest request;
  std::map<std::string, std::string> before;

  explicit ConfigurationRun(const std::string& screens = "one-monitor.json") {
    request.dataDir = FreshFolder("data");
    request.screens = screens;
    request.keys = "";
    RunProgram(request);
    before = FolderFiles(request.dataDir);
  }

  ProgramRunResult Run(const std::string& keys, const std::string& answers) {
    request.keys = keys;
    request.answers = answers;
    request.hasAnswers = true;
    return RunProgram(request);
  }

  std::string Setting(int monitor, const std::string& key) const {
    return ValueOf(ReadFile(request.dataDir + "/" + std::to_string(monitor) + "lvconfig.cfg"), key);
  }
};

TEST(ConfigurationRun, SavedEditsReachTheFilesAndTheNextFrame) {
  ConfigurationRun folder;
  const ProgramRunResult run =
      folder.Run("{Ctrl+C}", "Mirrored Room (reversed);Label Size:=20/20;Save");
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_TRUE(Printed(run, "[Lenvari Acuity Configuration] Patient Monitor:"));
  EXPECT_EQ(folder.Setting(1, "Mirror&:"), "-1 ");
  EXPECT_EQ(folder.Setting(1, "LabelSize!:"), " 20 ");
  ASSERT_GE(run.FrameCount(), 2);
  EXPECT_EQ(run.LastState()["Mirror"].toInt(), -1);

  // The letters above the size labels are the first frame's, mirrored.
  const QImage first = run.Frame(1), last = run.Frame(run.FrameCount());
  const QImage flipped = first.mirrored(true, false);
  int differing = 0, compared = 0;
  for (int y = 0; y < first.height() * 6 / 10; y += 2) {
    for (int x = 0; x < first.width(); x += 2, ++compared)
      differing += qGray(flipped.pixel(x, y)) / 128 != qGray(last.pixel(x, y)) / 128;
  }
  EXPECT_LT(differing, compared / 500);
  // The labels are drawn at 20/20 now, twice the height of the 20/10 ones before.
  const auto labelHeight = [](const QImage& frame) {
    int top = frame.height(), bottom = -1;
    for (int y = 0; y < frame.height(); ++y)
      for (int x = 0; x < frame.width() / 8; ++x) {
        const QRgb p = frame.pixel(x, y);
        if (qBlue(p) > 150 && qRed(p) < 100) {
          top = std::min(top, y);
          bottom = std::max(bottom, y);
        }
      }
    return bottom - top;
  };
  EXPECT_NEAR(static_cast<double>(labelHeight(last)) / labelHeight(first), 2.0, 0.25);
}

TEST(ConfigurationRun, CancelAsksAfterAnEditAndLeavesTheFilesAlone) {
  ConfigurationRun folder;
  ProgramRunResult run = folder.Run("{Ctrl+C}", "Max Rows Displayed:=2;Cancel;OK");
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_TRUE(Printed(run, "[ ] Discard all configuration changes?\n")) << run.output;
  EXPECT_EQ(FolderFiles(folder.request.dataDir), folder.before);

  // The Virtual Remote box alone is no edit: no question, and it is not kept.
  run = folder.Run("{Ctrl+C}", "Virtual Remote;Cancel");
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_FALSE(Printed(run, "Discard all configuration changes?"));
  EXPECT_EQ(FolderFiles(folder.request.dataDir), folder.before);

  // A misspelt caption is reported, not typed into the distance box and saved.
  run = folder.Run("{Ctrl+C}", "Lable Size=20/20;Save");
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_NE(run.errors.find("names no control"), std::string::npos) << run.errors;
  EXPECT_EQ(FolderFiles(folder.request.dataDir), folder.before);
}

TEST(ConfigurationRun, EditsForTwoMonitorsAreBothSavedAndTheChartMoves) {
  ConfigurationRun folder("two-monitors.json");
  const ProgramRunResult run = folder.Run(
      "{Ctrl+C}",
      "Label Color:=Red;Patient Monitor:=2;Max Rows Displayed:=6;Optical Test Distance=12;Save");
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_EQ(folder.Setting(1, "LabelColor$:"), "Red");
  EXPECT_EQ(folder.Setting(2, "MaxVShutter&:"), " 6 ");
  EXPECT_EQ(folder.Setting(2, "TestDistance:"), "12 feet");
  EXPECT_EQ(folder.Setting(1, "MaxVShutter&:"), " 4 ");
  EXPECT_EQ(ReadFile(folder.request.dataDir + "/lvmonitordata.cfg").substr(0, 5), " 2 \r\n");
  // The chart was opened again on the second monitor, after the calibration check.
  const QJsonObject state = run.LastState();
  EXPECT_EQ(state["CurrentMonitor"].toInt(), 2);
  EXPECT_EQ(state["ChartWindowGeometry"].toArray()[0].toInt(), 1280);
  EXPECT_FALSE(Printed(run, "[Calibration Required]"));
}

TEST(ConfigurationRun, TheRedBarSetsTheRedOfEveryFileAndTheWorthDots) {
  ConfigurationRun folder;
  const ProgramRunResult run = folder.Run("{Ctrl+C}w", "*Red=128;Save");
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  for (int m = 1; m <= 3; ++m) EXPECT_EQ(folder.Setting(m, "MyRed&:"), " 128 ") << m;
  const QImage frame = run.Frame(run.FrameCount());
  int dimRed = 0, fullRed = 0;
  for (int y = 0; y < frame.height(); y += 3)
    for (int x = 0; x < frame.width(); x += 3) {
      const QRgb p = frame.pixel(x, y);
      dimRed += p == qRgb(128, 0, 0);
      fullRed += p == qRgb(255, 0, 0);
    }
  EXPECT_GT(dimRed, 100);
  EXPECT_EQ(fullRed, 0);
}

TEST(ConfigurationRun, TheCornerClickOpensTheDialogAndCalibrateRunsTheSquare) {
  ConfigurationRun folder;
  // 1920 x 1080 pixels at 400 pixels per 1000 units: the corner lies beyond 2156, -1181.
  ProgramRunResult run = folder.Run("{Click:2100,-1250}{Click:2300,-1150}", "");
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_FALSE(Printed(run, "[Lenvari Acuity Configuration]"));

  run = folder.Run("{Click:2300,-1250}+{Enter}", "Calibrate");
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_TRUE(Printed(run, "[Lenvari Acuity Configuration]"));
  EXPECT_TRUE(Printed(run, "[Calibrate] Once you begin")) << run.output;
  // The square grew by one step before Enter took it: the scale changed.
  EXPECT_NE(ReadFile(folder.request.dataDir + "/lvmonitordata.cfg"),
            folder.before["lvmonitordata.cfg"]);
}

}  // namespace
}  // namespace lenvari
