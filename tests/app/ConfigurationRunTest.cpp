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
  const QImage left = frame.copy(0, 0, frame.width() / 8, frame.height());
  return InkBox(left, [](QRgb p) { return qBlue(p) > 150 && qRed(p) < 100; }).height();
}

// The red bar sets the red of every file, as the worth dots drawn after it show.
TEST(ConfigurationRun, SavedEditsReachTheFilesAndTheNextFrames) {
  ConfigurationRun folder;
  const ProgramRunResult run =
      folder.Run("{Ctrl+C}w", "Mirrored Room (reversed);Label Size:=20/20;*Red=128;Save");
  EXPECT_EQ(Setting(folder.dataDir, 1, "Mirror&:"), "-1 ");
  EXPECT_EQ(Setting(folder.dataDir, 1, "LabelSize!:"), " 20 ");
  for (int m = 1; m <= 3; ++m) EXPECT_EQ(Setting(folder.dataDir, m, "MyRed&:"), " 128 ") << m;
  ASSERT_GE(run.FrameCount(), 3);
  // The labels are drawn at 20/20 now, twice the height of the 20/10 ones before. (A frame
  // drawn mirrored is the chart frame's own test.)
  const double labels = LabelHeight(run.Frame(run.FrameCount() - 1));
  EXPECT_NEAR(labels / LabelHeight(run.Frame(1)), 2.0, 0.25);
  const QImage dots = run.Frame(run.FrameCount());
  EXPECT_GT(CountColour(dots, QColor(128, 0, 0), 0), 900);
  EXPECT_EQ(CountColour(dots, QColor(255, 0, 0), 0), 0);
}

// A misspelt caption is reported, not typed into the distance box and saved. (Cancel after an
// edit asks first and keeps the settings: the dialog's own test.)
TEST(ConfigurationRun, AMisspeltCaptionLeavesTheFilesAlone) {
  ConfigurationRun folder;
  const ProgramRunResult run = folder.Run("{Ctrl+C}", "Lable Size=20/20;Save");
  EXPECT_NE(run.errors.find("names no control"), std::string::npos) << run.errors;
  EXPECT_EQ(FolderFiles(folder.dataDir), folder.before);
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
  const ProgramRunResult run = folder.Run("{Ctrl+C}E40{Enter}", "Optical Test Distance=10;Save");
  EXPECT_EQ(Setting(folder.dataDir, 1, "TestDistance:"), "10 feet");
  EXPECT_NE(ReadText(folder.dataDir + "/lvmonitordata.cfg").find("\r\n 200 \r\n 200 \r\n"),
            std::string::npos);
  bool told = false;
  for (int n = 1; n <= run.FrameCount(); ++n)
    told = told || run.FrameState(n)["StatusNotice"].toString() ==
                       "Monitor 1: test distance 20 feet -> 10 feet, chart scales 400 x 400 -> "
                       "200 x 200 pixels (same calibration)";
  EXPECT_TRUE(told);
  // A 20/40 E is 5 x 40 units high: 40 pixels at 200 a 1000 units, where it had 80.
  EXPECT_NEAR(BlackInk(run.Frame(run.FrameCount())).height(), 40, 1);
}

// (Which clicks are in the corner is the dispatch's own test, the dialog's title the dialog's,
// the calibration box's words the texts table's.)
TEST(ConfigurationRun, TheCornerClickOpensTheDialogAndCalibrateRunsTheSquare) {
  ConfigurationRun folder;
  folder.Run("{Click:2300,-1250}+{Enter}", "Calibrate");
  // Only the dialog's Calibrate runs the square, which grew by one step before Enter took it:
  // the scale changed.
  EXPECT_NE(ReadText(folder.dataDir + "/lvmonitordata.cfg"), folder.before["lvmonitordata.cfg"]);
}

}  // namespace
}  // namespace lenvari
