// Calibration through the real program: the first start's questions and square, the scale it
// stores for each axis, and a new resolution that asks again.

#include <gtest/gtest.h>

#include <QImage>
#include <QJsonArray>

#include "support/DataFolderText.h"
#include "support/ProgramRun.h"

namespace lenvari {

TEST(CalibrationRun, FirstStartLeadsThroughDistanceAndSquareThenNeverAsksAgain) {
  const std::string data = FreshFolder("data");
  ProgramRunRequest request = ScriptRequest("+++++{Enter}", data, "OK;OK;OK");
  request.calibratedScale = 0;
  ProgramRunResult run = RunWell(request);
  EXPECT_TRUE(Printed(run, "[Calibration Required] It appears that this is either a new installation "
                           "or your screen resolution has changed. Calibration is now required."))
      << run.output;
  EXPECT_TRUE(Printed(run, "[Calibrate Lenvari Acuity]"));
  EXPECT_TRUE(Printed(run, "measures 8.87 centimeters square"));
  // The square starts at 343 x 343 pixels and grows one pixel per "+".
  ASSERT_GE(run.FrameCount(), 7);
  EXPECT_EQ(BlackRunHeight(run.Frame(1)), 343);
  EXPECT_EQ(BlackRunHeight(run.Frame(6)), 348);
  ExpectFrame(run, run.FrameCount(), {{"MasterScaleX", 348}, {"MasterScaleY", 348},
                                      {"ChartHeight", 3103}});  // 1080 x 1000 / 348
  EXPECT_NE(ReadText(data + "/lvmonitordata.cfg").find("\r\n 348 \r\n 348 \r\n"), std::string::npos);

  // A second start asks nothing and draws at the stored scale.
  request.keys = "";
  request.hasAnswers = false;
  run = RunWell(request);
  EXPECT_FALSE(Printed(run, "Calibration Required")) << run.output;
  ASSERT_EQ(run.FrameCount(), 1);
  EXPECT_EQ(run.LastState()["MasterScaleY"].toInt(), 348);
  // The frame reports each row's stroke as drawn at that scale (the readout has its own test).
  EXPECT_EQ(run.LastState()["StrokeReadout"].toArray().size(), run.LastState()["RowsShown"].toInt());
  EXPECT_TRUE(run.LastState()["BestMeasurableAcuity"].toString().startsWith("20/"));

  // Another resolution for the same monitor demands calibration again.
  request = ScriptRequest("{Enter}", data, "OK;OK;OK");
  request.screens = "small-monitor.json";
  run = RunWell(request);
  EXPECT_TRUE(Printed(run, "[Calibration Required]")) << run.output;
}

// Arrows calibrate one axis, so pixels that are not square still give letters of equal
// physical width and height: a 20/200 E is 5 x 200 units, 1000 units being the calibrated
// pixel counts of each axis.
TEST(CalibrationRun, EachAxisKeepsItsOwnScaleAndLettersFollowIt) {
  ProgramRunRequest request = ScriptRequest(
      "+++++{Right}{Right}{Right}{Right}{Right}{Right}{Right}{Enter}E200{Enter}", "", "OK;OK;OK");
  request.calibratedScale = 0;
  const ProgramRunResult run = RunWell(request);
  const QJsonObject state = run.LastState();
  ASSERT_EQ(state["MasterScaleX"].toInt(), 355);
  ASSERT_EQ(state["MasterScaleY"].toInt(), 348);
  ASSERT_EQ(state["JustOneLetter"].toString(), "E");
  const QImage frame = run.Frame(run.FrameCount());
  int left = frame.width(), right = -1, top = frame.height(), bottom = -1;
  for (int y = 0; y < frame.height(); ++y) {
    for (int x = 0; x < frame.width(); ++x) {
      const QRgb p = frame.pixel(x, y);
      if (qRed(p) < 128 && qGreen(p) < 128 && qBlue(p) < 128) {  // black ink, not blue labels
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
    }
  }
  EXPECT_NEAR(right - left + 1, 355, 1);
  EXPECT_NEAR(bottom - top + 1, 348, 1);
}

}  // namespace lenvari
