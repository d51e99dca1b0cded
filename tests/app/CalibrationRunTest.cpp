#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include "store/DataFolder.h"
#include "support/ProgramRun.h"

namespace lenvari {
namespace {

std::string ReadText(const std::string& path) { return ReadWholeFile(path).value_or(""); }

// Height of the black run in the middle column of an image.
int BlackRunHeight(const QImage& image) {
  const int x = image.width() / 2;
  int top = -1, bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    if (qGray(image.pixel(x, y)) < 128) {
      if (top < 0) top = y;
      bottom = y;
    }
  }
  return top < 0 ? 0 : bottom - top + 1;
}

}  // namespace

TEST(CalibrationRun, FirstStartLeadsThroughDistanceAndSquareThenNeverAsksAgain) {
  const std::string data = FreshFolder("data");
  ProgramRunRequest request;
  request.calibratedScale = 0;
  request.dataDir = data;
  request.keys = "+++++{Enter}";
  request.answers = "OK;OK;OK";
  request.hasAnswers = true;
  ProgramRunResult run = RunProgram(request);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_NE(run.output.find("[Calibration Required] It appears that this is either a new "
                            "installation or your screen resolution has changed. Calibration "
                            "is now required."),
            std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("[Calibrate Lenvari Acuity]"), std::string::npos);
  EXPECT_NE(run.output.find("measures 8.87 centimeters square"), std::string::npos);
  // The square starts at 343 x 343 pixels and grows one pixel per "+".
  ASSERT_GE(run.FrameCount(), 7);
  EXPECT_EQ(BlackRunHeight(run.Frame(1)), 343);
  EXPECT_EQ(BlackRunHeight(run.Frame(6)), 348);
  const QJsonObject chart = run.LastState();
  EXPECT_EQ(chart["MasterScaleX"].toInt(), 348);
  EXPECT_EQ(chart["MasterScaleY"].toInt(), 348);
  EXPECT_EQ(run.LastState()["ChartHeight"].toInt(), 3103);  // 1080 x 1000 / 348
  const std::string monitorData = ReadText(data + "/lvmonitordata.cfg");
  EXPECT_NE(monitorData.find("\r\n 348 \r\n 348 \r\n"), std::string::npos) << monitorData;

  // A second start asks nothing and draws at the stored scale.
  request.keys = "";
  request.hasAnswers = false;
  run = RunProgram(request);
  ASSERT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.output.find("Calibration Required"), std::string::npos) << run.output;
  ASSERT_EQ(run.FrameCount(), 1);
  EXPECT_EQ(run.LastState()["MasterScaleY"].toInt(), 348);

  // Another resolution for the same monitor demands calibration again.
  request.screens = "small-monitor.json";
  request.keys = "{Enter}";
  request.answers = "OK;OK;OK";
  request.hasAnswers = true;
  run = RunProgram(request);
  ASSERT_EQ(run.exitCode, 0);
  EXPECT_NE(run.output.find("[Calibration Required]"), std::string::npos) << run.output;
}

// Arrows calibrate one axis, so pixels that are not square still give letters of equal
// physical width and height: a 20/200 E is 5 x 200 units, 1000 units being the calibrated
// pixel counts of each axis.
TEST(CalibrationRun, EachAxisKeepsItsOwnScaleAndLettersFollowIt) {
  ProgramRunRequest request;
  request.calibratedScale = 0;
  request.keys = "+++++{Right}{Right}{Right}{Right}{Right}{Right}{Right}{Enter}E200{Enter}";
  request.answers = "OK;OK;OK";
  request.hasAnswers = true;
  const ProgramRunResult run = RunProgram(request);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
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
