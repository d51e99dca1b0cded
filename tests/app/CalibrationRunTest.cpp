// Calibration through the real program: the first start's questions and square, the scale it
// stores for each axis, and a new resolution that asks again.

#include <QJsonArray>
#include <gtest/gtest.h>

#include "support/DataFolderText.h"
#include "support/Pixels.h"
#include "support/ProgramRun.h"
#include "support/Tie.h"

namespace lenvari {

// Arrows calibrate one axis, so pixels that are not square still give letters of equal
// physical width and height: a 20/200 E is 5 x 200 units, 1000 units being the calibrated
// pixel counts of each axis.
TEST(CalibrationRun, FirstStartLeadsThroughDistanceAndSquareEachAxisApartThenNeverAsksAgain) {
  const std::string data = FreshFolder("data");
  ProgramRunRequest request =
      ScriptRequest("+++++{Right}{Right}{Right}{Right}{Right}{Right}{Right}{Enter}E200{Enter}", data, "OK;OK;OK");
  request.calibratedScale = 0;
  ProgramRunResult run = RunWell(request);
  EXPECT_TRUE(Printed(run, "[Calibration Required]")) << run.output;
  EXPECT_TRUE(Printed(run, "[Calibrate Lenvari Acuity]"));
  EXPECT_TRUE(Printed(run, "measures 8.87 centimeters square"));
  // The square starts at 343 x 343 pixels and grows one pixel per "+".
  ASSERT_GE(run.FrameCount(), 14);
  EXPECT_EQ(Tie(BlackRunHeight(run.Frame(1)), BlackRunHeight(run.Frame(6))), Tie(343, 348));
  ExpectFrame(run, run.FrameCount(), {{"MasterScaleX", 355}, {"MasterScaleY", 348}, {"JustOneLetter", "E"},
                                      {"ChartHeight", 3103}});  // 1080 x 1000 / 348
  EXPECT_NE(ReadText(data + "/lvmonitordata.cfg").find("\r\n 355 \r\n 348 \r\n"), std::string::npos);
  const QRect ink = BlackInk(run.Frame(run.FrameCount()));
  EXPECT_NEAR(ink.width(), 355, 1);
  EXPECT_NEAR(ink.height(), 348, 1);

  // A second start asks nothing and draws at the stored scale.
  request.keys = "", request.hasAnswers = false;
  run = RunWell(request);
  EXPECT_FALSE(Printed(run, "Calibration Required")) << run.output;
  ASSERT_EQ(run.FrameCount(), 1);
  EXPECT_EQ(run.LastState()["MasterScaleY"].toInt(), 348);

  // Another resolution for the same monitor demands calibration again.
  request = ScriptRequest("{Enter}", data, "OK;OK;OK");
  request.screens = "small-monitor.json";
  run = RunWell(request);
  EXPECT_TRUE(Printed(run, "[Calibration Required]")) << run.output;
}

// Ctrl+A to a monitor never calibrated asks its distance before the square, as a first start
// does.
TEST(CalibrationRun, CtrlAToAnUncalibratedMonitorAsksItsDistanceFirst) {
  const std::string data = StartedFolder("two-monitors.json");
  // Monitor 2's scales (lines 14 and 15 of the monitor data) back to never calibrated.
  std::string text = ReadText(data + "/lvmonitordata.cfg");
  std::vector<std::string> lines;
  for (size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
    lines.push_back(text.substr(at, end - at));
  ASSERT_GE(lines.size(), 16u);
  lines[13] = lines[14] = " 0 ";
  text.clear();
  for (const std::string& line : lines) text += line + "\r\n";
  PutText(data + "/lvmonitordata.cfg", text);

  ProgramRunRequest request = ScriptRequest("{Ctrl+A}{Enter}", data, "OK;10;OK");
  request.screens = "two-monitors.json";
  const ProgramRunResult run = RunWell(request);
  EXPECT_TRUE(Printed(run, "[Calibration Required]")) << run.output;
  EXPECT_TRUE(Printed(run, "[Calibrate Lenvari Acuity] Enter optical distance")) << run.output;
  EXPECT_TRUE(Printed(run, "measures 4.43 centimeters square")) << run.output;
  EXPECT_EQ(Setting(data, 2, "TestDistance:"), " 10 feet");
  EXPECT_EQ(run.LastState()["CurrentMonitor"].toInt(), 2);
}

}  // namespace lenvari
