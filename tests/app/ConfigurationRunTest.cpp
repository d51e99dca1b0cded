// The configuration dialog through the real program: what Save writes and draws, what Cancel
// leaves alone, and the ways to open it.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QImage>

#include <map>

#include "support/DataFolderText.h"
#include "support/Pixels.h"
#include "support/ProgramRun.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

std::map<std::string, std::string> FolderFiles(const std::string& dir) {
  std::map<std::string, std::string> files;
  for (const char* name : {"globalconfig.cfg", "lvmonitordata.cfg", "1lvconfig.cfg",
                           "2lvconfig.cfg", "3lvconfig.cfg", "1presets.cfg"})
    files[name] = ReadText(dir + "/" + name);
  return files;
}

// A fresh calibrated folder that has been started once, so its files exist.
struct ConfigurationRun {
  std::string screens, dataDir;
  std::map<std::string, std::string> before;

  explicit ConfigurationRun(const std::string& screens = "one-monitor.json")
      : screens(screens), dataDir(StartedFolder(screens)), before(FolderFiles(dataDir)) {}

  ProgramRunResult Run(const std::string& keys, const std::string& answers) {
    ProgramRunRequest request = ScriptRequest(keys, dataDir, answers);
    request.screens = screens;
    return RunWell(request);
  }
};

// Height of the blue size labels in the left eighth of a frame.
int LabelHeight(const QImage& frame) {
  int top = frame.height(), bottom = -1;
  for (int y = 0; y < frame.height(); ++y)
    for (int x = 0; x < frame.width() / 8; ++x) {
      const QRgb p = frame.pixel(x, y);
      if (qBlue(p) > 150 && qRed(p) < 100) top = std::min(top, y), bottom = std::max(bottom, y);
    }
  return bottom - top;
}

TEST(ConfigurationRun, SavedEditsReachTheFilesAndTheNextFrame) {
  ConfigurationRun folder;
  const ProgramRunResult run =
      folder.Run("{Ctrl+C}", "Mirrored Room (reversed);Label Size:=20/20;Save");
  EXPECT_TRUE(Printed(run, "[Lenvari Acuity Configuration] Patient Monitor:"));
  EXPECT_EQ(Setting(folder.dataDir, 1, "Mirror&:"), "-1 ");
  EXPECT_EQ(Setting(folder.dataDir, 1, "LabelSize!:"), " 20 ");
  ASSERT_GE(run.FrameCount(), 2);
  EXPECT_EQ(run.LastState()["Mirror"].toInt(), -1);
  // The letters above the size labels are the first frame's, mirrored.
  const QImage first = run.Frame(1), last = run.Frame(run.FrameCount());
  const QRect letters(0, 0, first.width(), first.height() * 6 / 10);
  EXPECT_GT(GreyCorrelation(first.mirrored(true, false).copy(letters), last.copy(letters)), 0.95);
  // The labels are drawn at 20/20 now, twice the height of the 20/10 ones before.
  EXPECT_NEAR(static_cast<double>(LabelHeight(last)) / LabelHeight(first), 2.0, 0.25);
}

TEST(ConfigurationRun, CancelAnEditOrAMisspeltCaptionLeavesTheFilesAlone) {
  ConfigurationRun folder;
  // (Cancel after an edit asks first: the dialog's own test.) A misspelt caption is reported,
  // not typed into the distance box and saved.
  for (const auto& [answers, error] : {std::pair{"Max Rows Displayed:=2;Cancel;OK", ""},
                                       {"Lable Size=20/20;Save", "names no control"}}) {
    const ProgramRunResult run = folder.Run("{Ctrl+C}", answers);
    EXPECT_NE(run.errors.find(error), std::string::npos) << answers << run.errors;
    EXPECT_EQ(FolderFiles(folder.dataDir), folder.before) << answers;
  }
}

TEST(ConfigurationRun, EditsForTwoMonitorsAreBothSavedAndTheChartMoves) {
  ConfigurationRun folder("two-monitors.json");
  const ProgramRunResult run = folder.Run(
      "{Ctrl+C}",
      "Label Color:=Red;Patient Monitor:=2;Max Rows Displayed:=6;Optical Test Distance=12;Save");
  EXPECT_EQ(Tie(Setting(folder.dataDir, 1, "LabelColor$:"), Setting(folder.dataDir, 2, "MaxVShutter&:"),
                Setting(folder.dataDir, 2, "TestDistance:"), Setting(folder.dataDir, 1, "MaxVShutter&:"),
                ReadText(folder.dataDir + "/lvmonitordata.cfg").substr(0, 5)),
            Tie("Red", " 6 ", "12 feet", " 4 ", " 2 \r\n"));
  // The chart was opened again on the second monitor, after the calibration check.
  EXPECT_EQ(run.LastState()["CurrentMonitor"].toInt(), 2);
  EXPECT_EQ(run.LastState()["ChartWindowGeometry"].toArray()[0].toInt(), 1280);
  EXPECT_FALSE(Printed(run, "[Calibration Required]"));
}

// The calibration holds the screen's pixel pitch; half the distance needs half the pixels for
// the same angle, and the status says so.
TEST(ConfigurationRun, ANewDistanceRescalesTheCalibration) {
  ConfigurationRun folder;
  ProgramRunResult run = folder.Run("E40{Enter}", "");
  const int before = BlackInk(run.Frame(run.FrameCount())).height();
  run = folder.Run("{Ctrl+C}E40{Enter}", "Optical Test Distance=10;Save");
  EXPECT_EQ(Setting(folder.dataDir, 1, "TestDistance:"), "10 feet");
  EXPECT_NE(ReadText(folder.dataDir + "/lvmonitordata.cfg").find("\r\n 200 \r\n 200 \r\n"),
            std::string::npos);
  bool told = false;
  for (int n = 1; n <= run.FrameCount(); ++n)
    told = told || run.FrameState(n)["StatusNotice"].toString() ==
                       "Monitor 1: test distance 20 feet -> 10 feet, chart scales 400 x 400 -> "
                       "200 x 200 pixels (same calibration)";
  EXPECT_TRUE(told);
  ExpectFrame(run, run.FrameCount(), {{"MasterScaleX", 200}, {"MasterScaleY", 200}});
  EXPECT_NEAR(BlackInk(run.Frame(run.FrameCount())).height(), before / 2.0, 1);
}

TEST(ConfigurationRun, TheRedBarSetsTheRedOfEveryFileAndTheWorthDots) {
  ConfigurationRun folder;
  const ProgramRunResult run = folder.Run("{Ctrl+C}w", "*Red=128;Save");
  for (int m = 1; m <= 3; ++m) EXPECT_EQ(Setting(folder.dataDir, m, "MyRed&:"), " 128 ") << m;
  const QImage frame = run.Frame(run.FrameCount());
  EXPECT_GT(CountColour(frame, QColor(128, 0, 0), 0), 900);
  EXPECT_EQ(CountColour(frame, QColor(255, 0, 0), 0), 0);
}

// (Which clicks are in the corner is the dispatch's own test.)
TEST(ConfigurationRun, TheCornerClickOpensTheDialogAndCalibrateRunsTheSquare) {
  ConfigurationRun folder;
  const ProgramRunResult run = folder.Run("{Click:2300,-1250}+{Enter}", "Calibrate");
  EXPECT_TRUE(Printed(run, "[Lenvari Acuity Configuration]"));
  EXPECT_TRUE(Printed(run, "[Calibrate] Once you begin")) << run.output;
  // The square grew by one step before Enter took it: the scale changed.
  EXPECT_NE(ReadText(folder.dataDir + "/lvmonitordata.cfg"), folder.before["lvmonitordata.cfg"]);
}

}  // namespace
}  // namespace lenvari
