// Calibration through the real program: the first start's questions and square, and the scale
// it stores for each axis and draws with. (The square's steps and the resolution check are the
// calibration screen's own tests.)

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
}

// Ctrl+A to a monitor never calibrated asks its distance before the square, as a first start
// does.
TEST(CalibrationRun, CtrlAToAnUncalibratedMonitorAsksItsDistanceFirst) {
  const std::string data = FreshFolder("data");
  std::string text = MonitorDataText(1, {{0, 0, 1280, 720}, {1280, 0, 3200, 1080}});
  // Monitor 2's scales (lines 14 and 15) back to never calibrated.
  text.replace(text.find(" 400 \r\n 400 \r\n", text.find(" 3200 ")), 14, " 0 \r\n 0 \r\n");
  PutText(data + "/lvmonitordata.cfg", text);

  ProgramRunRequest request = ScriptRequest("{Ctrl+A}{Enter}", data, "OK;10;OK");
  request.screens = "two-monitors.json";
  const ProgramRunResult run = RunWell(request);
  EXPECT_TRUE(Printed(run, "[Calibrate Lenvari Acuity] Enter optical distance")) << run.output;
  EXPECT_TRUE(Printed(run, "measures 4.43 centimeters square")) << run.output;
  EXPECT_EQ(Setting(data, 2, "TestDistance:"), " 10 feet");
  EXPECT_EQ(run.LastState()["CurrentMonitor"].toInt(), 2);
}

}  // namespace lenvari
