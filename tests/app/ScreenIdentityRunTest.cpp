// A calibration that knows its monitor, run end to end with identities given through
// LENVARI_SCREEN_IDENTITY: a folder calibrated before identities were kept, a replaced monitor
// of the same resolution, and the square a believable reported size implies.

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "store/DataFolder.h"

#include "support/DataFolderText.h"
#include "support/Pixels.h"
#include "support/ProgramRun.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

namespace fs = std::filesystem;

// A run whose screens name themselves through an identity file, one DEL monitor of each model.
ProgramRunRequest WithIdentity(const std::string& data, const std::vector<std::string>& models,
                               const std::string& keys, double widthMm = 0, double heightMm = 0) {
  std::string screens;
  for (const std::string& model : models)
    screens += (screens.empty() ? "[" : ", ") + std::string("{\"manufacturer\": \"DEL\", \"model\": \"") +
               model + "\", \"physicalWidthMm\": " + std::to_string(widthMm) +
               ", \"physicalHeightMm\": " + std::to_string(heightMm) + "}";
  const std::string path = FreshFolder("identity") + "/screens.json";
  PutText(path, screens + "]");
  ProgramRunRequest request = ScriptRequest(keys, data);
  if (keys.find("{Enter}") != std::string::npos) request.answers = "OK;OK;OK", request.hasAnswers = true;
  request.environment = {{"LENVARI_SCREEN_IDENTITY", path}};
  return request;
}

bool AskedForCalibration(const ProgramRunResult& run) { return Printed(run, "[Calibration Required]"); }

}  // namespace

// A folder calibrated before identities were kept adopts the monitor without a question; a
// replaced monitor of the same resolution is calibrated again and then remembered. (The other
// changes that ask, display scaling and rotation, are worded in the identity's own test; that a
// remembered monitor is not asked about again, in the swapped monitors' run.)
TEST(ScreenIdentityRun, AnOlderFolderAdoptsTheMonitorAReplacedOrUnknownOneIsCalibratedAgain) {
  const std::string data = FreshFolder("data");
  EXPECT_FALSE(AskedForCalibration(RunWell(WithIdentity(data, {"U2419H"}, ""))));

  // Asked about only because the first start remembered the monitor it adopted. (The reason
  // given is the identity's own test.)
  ProgramRunResult run = RunWell(WithIdentity(data, {"U2720Q"}, "{Enter}"));
  EXPECT_TRUE(Printed(run, "[Calibration Required] The patient monitor has changed")) << run.output;
  std::string remembered = ReadText(data + "/lvscreenidentity.cfg");
  EXPECT_NE(remembered.find("U2720Q"), std::string::npos) << remembered;
  EXPECT_EQ(remembered.find("U2419H"), std::string::npos) << remembered;

  // A record that is damaged or cannot be read tells nothing of the monitor: one that names
  // itself is calibrated, the damaged file kept as a backup first, the unreadable one left alone.
  const std::string path = data + "/lvscreenidentity.cfg";
  const size_t kept = BackupsOf(path).size();
  PutText(path, "Monitor&:\r\n 1 \r\n");
  run = RunWell(WithIdentity(data, {"U2419H"}, "{Enter}"));
  EXPECT_TRUE(Printed(run, "(lvscreenidentity.cfg could not be read), and the patient monitor "
                           "is now DEL U2419H.")) << run.output;
  ASSERT_EQ(BackupsOf(path).size(), kept + 1);
  EXPECT_EQ(ReadText(BackupsOf(path).back()), "Monitor&:\r\n 1 \r\n");
  remembered = ReadText(path);
  EXPECT_NE(remembered.find("U2419H"), std::string::npos) << remembered;

  fs::permissions(path, fs::perms::none);
  ProgramRunRequest unreadable = WithIdentity(data, {"U2419H"}, "{Enter}");
  unreadable.unprivileged = true;
  run = RunWell(unreadable);
  EXPECT_TRUE(AskedForCalibration(run)) << run.output;
  EXPECT_TRUE(Printed(run, path + ": Permission denied")) << run.output;
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(Tie(ReadText(path), BackupsOf(path).size()), Tie(remembered, kept + 1));
}

// Two monitors of one size whose places (or the window system's order of them) were swapped
// since the calibration: each keeps the number it was calibrated as, by its name, so the patient
// monitor is still the one the calibration was made on and nothing is asked.
TEST(ScreenIdentityRun, SwappedMonitorsKeepTheirNumbers) {
  const std::string data = FreshFolder("data");
  const auto run = [&](const char* left, const char* right) {
    ProgramRunRequest request = WithIdentity(data, {left, right}, "");
    request.screens = "two-equal-monitors.json", request.currentMonitor = 2;
    return RunWell(request);
  };
  EXPECT_FALSE(AskedForCalibration(run("U19", "P24")));
  const ProgramRunResult swapped = run("P24", "U19");
  EXPECT_FALSE(AskedForCalibration(swapped)) << swapped.output;
  EXPECT_EQ(swapped.LastState()["CurrentMonitor"].toInt(), 2);
  const std::string remembered = ReadText(data + "/lvscreenidentity.cfg");
  EXPECT_NE(remembered.find("P24"), std::string::npos) << remembered;
  EXPECT_EQ(remembered.find("U19"), std::string::npos) << remembered;
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
        WithIdentity(FreshFolder("data"), {"U2419H"}, std::string(c.steps, '+') + "{Enter}", 527, 296);
    request.calibratedScale = 0;
    if (c.asked) request.answers += ";Keep";
    const ProgramRunResult run = RunWell(request);
    EXPECT_NEAR(BlackRunHeight(run.Frame(1)), 324, 1) << c.steps;
    EXPECT_EQ(Printed(run, "now 372 x 373 pixels. The size this monitor reports makes 8.87 "
                           "centimeters 323 x 324 pixels."),
              c.asked)
        << run.output;
    EXPECT_EQ(run.LastState()["MasterScaleY"].toInt(), c.scale) << c.steps;
  }
}

}  // namespace lenvari
