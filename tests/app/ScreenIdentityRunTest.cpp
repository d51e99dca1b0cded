// A calibration that knows its monitor, run end to end with identities given through
// LENVARI_SCREEN_IDENTITY: a folder calibrated before identities were kept, a replaced monitor
// of the same resolution, and the square a believable reported size implies.

#include <gtest/gtest.h>

#include <QImage>

#include "support/DataFolderText.h"
#include "support/ProgramRun.h"

namespace lenvari {
namespace {

// A run whose one screen names itself through an identity file.
ProgramRunRequest WithIdentity(const std::string& data, const std::string& model, const std::string& keys,
                               double widthMm = 0, double heightMm = 0) {
  const std::string path = FreshFolder("identity") + "/screens.json";
  PutText(path, "[{\"manufacturer\": \"DEL\", \"model\": \"" + model + "\", \"serialNumber\": \"\", "
                "\"physicalWidthMm\": " + std::to_string(widthMm) + ", \"physicalHeightMm\": " +
                std::to_string(heightMm) + "}]");
  ProgramRunRequest request = ScriptRequest(keys, data);
  if (keys.find("{Enter}") != std::string::npos) request.answers = "OK;OK;OK", request.hasAnswers = true;
  request.environment = {{"LENVARI_SCREEN_IDENTITY", path}};
  return request;
}

bool AskedForCalibration(const ProgramRunResult& run) { return Printed(run, "[Calibration Required]"); }

}  // namespace

// A folder calibrated before identities were kept adopts the monitor without a question; a
// replaced monitor of the same resolution is calibrated again and then remembered. (The other
// changes that ask, display scaling and rotation, are worded in the identity's own test.)
TEST(ScreenIdentityRun, AnOlderFolderAdoptsTheMonitorAndAReplacedOneIsCalibratedAgain) {
  const std::string data = FreshFolder("data");
  EXPECT_FALSE(AskedForCalibration(RunWell(WithIdentity(data, "U2419H", ""))));
  const std::string adopted = ReadText(data + "/lvscreenidentity.cfg");
  EXPECT_NE(adopted.find("U2419H"), std::string::npos) << adopted;
  EXPECT_EQ(ValueOf(adopted, "PixelRatio!:"), " 1 ") << adopted;
  EXPECT_FALSE(AskedForCalibration(RunWell(WithIdentity(data, "U2419H", ""))));

  const ProgramRunResult run = RunWell(WithIdentity(data, "U2720Q", "{Enter}"));
  EXPECT_TRUE(Printed(run, "[Calibration Required] The patient monitor has changed (was DEL "
                           "U2419H, now DEL U2720Q). Calibration is now required."))
      << run.output;
  const std::string remembered = ReadText(data + "/lvscreenidentity.cfg");
  EXPECT_NE(remembered.find("U2720Q"), std::string::npos) << remembered;
  EXPECT_EQ(remembered.find("U2419H"), std::string::npos) << remembered;
  EXPECT_FALSE(AskedForCalibration(RunWell(WithIdentity(data, "U2720Q", ""))));
}

TEST(ScreenIdentityRun, ABelievableReportedSizeStartsTheSquareAndChecksTheMeasurement) {
  // 527 x 296 mm on 1920 x 1080 at 20 feet: 323 x 324 pixels. 49 steps up then are more than
  // 10 % off, and kept when asked; 16 are near enough to ask nothing.
  const struct {
    int steps, scale;
    bool asked;
  } cases[] = {{49, 373, true}, {16, 340, false}};
  for (const auto& c : cases) {
    ProgramRunRequest request =
        WithIdentity(FreshFolder("data"), "U2419H", std::string(c.steps, '+') + "{Enter}", 527, 296);
    request.calibratedScale = 0;
    if (c.asked) request.answers += ";Keep";
    const ProgramRunResult run = RunWell(request);
    EXPECT_NEAR(BlackRunHeight(run.Frame(1)), 324, 1) << c.steps;
    if (c.asked)
      EXPECT_TRUE(Printed(run, "[Calibrate] The square is now 372 x 373 pixels. The size this monitor "
                               "reports makes 8.87 centimeters 323 x 324 pixels."))
          << run.output;
    else
      EXPECT_FALSE(Printed(run, "measure the square again")) << c.steps << run.output;
    EXPECT_EQ(run.LastState()["MasterScaleY"].toInt(), c.scale) << c.steps;
  }
}

}  // namespace lenvari
