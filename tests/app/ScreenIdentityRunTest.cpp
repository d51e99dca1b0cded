// A calibration that knows its monitor, run end to end with identities given through
// LENVARI_SCREEN_IDENTITY: a replaced monitor of the same resolution, another display scaling,
// a folder calibrated before identities were kept, and the square a believable reported size
// implies.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include "store/DataFolder.h"
#include "support/ProgramRun.h"

namespace lenvari {
namespace {

std::string ReadText(const std::string& path) { return ReadWholeFile(path).value_or(""); }

// An identity file for one screen; returns its path.
std::string IdentityFile(const std::string& model, double widthMm = 0, double heightMm = 0) {
  const std::string path = FreshFolder("identity") + "/screens.json";
  const std::string json = "[{\"manufacturer\": \"DEL\", \"model\": \"" + model +
                           "\", \"serialNumber\": \"\", \"physicalWidthMm\": " +
                           std::to_string(widthMm) + ", \"physicalHeightMm\": " +
                           std::to_string(heightMm) + "}]";
  QFile file(QString::fromStdString(path));
  file.open(QIODevice::WriteOnly);
  file.write(json.data(), static_cast<qint64>(json.size()));
  return path;
}

ProgramRunRequest WithIdentity(const std::string& data, const std::string& identityFile) {
  ProgramRunRequest request;
  request.dataDir = data;
  request.environment = {{"LENVARI_SCREEN_IDENTITY", identityFile}};
  return request;
}

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

bool AskedForCalibration(const ProgramRunResult& run) {
  return run.output.find("[Calibration Required]") != std::string::npos;
}

}  // namespace

TEST(ScreenIdentityRun, AReplacedMonitorOfTheSameResolutionIsCalibratedAgain) {
  const std::string data = FreshFolder("data");
  const std::string a = IdentityFile("U2419H"), b = IdentityFile("U2720Q");
  ProgramRunRequest first = WithIdentity(data, a);
  first.calibratedScale = 0;
  first.keys = "{Enter}";
  first.answers = "OK;OK;OK";
  first.hasAnswers = true;
  ProgramRunResult run = RunProgram(first);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_NE(ReadText(data + "/lvscreenidentity.cfg").find("U2419H"), std::string::npos);

  ProgramRunRequest same = WithIdentity(data, a);
  same.keys = "";
  run = RunProgram(same);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_FALSE(AskedForCalibration(run)) << run.output;

  ProgramRunRequest replaced = WithIdentity(data, b);
  replaced.keys = "{Enter}";
  replaced.answers = "OK;OK;OK";
  replaced.hasAnswers = true;
  run = RunProgram(replaced);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_NE(run.output.find("[Calibration Required] The patient monitor has changed (was DEL "
                            "U2419H, now DEL U2720Q). Calibration is now required."),
            std::string::npos)
      << run.output;
  const std::string remembered = ReadText(data + "/lvscreenidentity.cfg");
  EXPECT_NE(remembered.find("U2720Q"), std::string::npos) << remembered;
  EXPECT_EQ(remembered.find("U2419H"), std::string::npos) << remembered;

  same = WithIdentity(data, b);
  same.keys = "";
  EXPECT_FALSE(AskedForCalibration(RunProgram(same)));
}

TEST(ScreenIdentityRun, AnOlderFolderAdoptsTheMonitorAndAnotherScalingAsksAgain) {
  // Calibrated at 400 before identities were kept: nothing asked, the identity adopted.
  const std::string data = FreshFolder("data");
  const std::string a = IdentityFile("U2419H");
  ProgramRunRequest older = WithIdentity(data, a);
  older.keys = "";
  ProgramRunResult run = RunProgram(older);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_FALSE(AskedForCalibration(run)) << run.output;
  const std::string adopted = ReadText(data + "/lvscreenidentity.cfg");
  EXPECT_NE(adopted.find("U2419H"), std::string::npos) << adopted;
  EXPECT_NE(adopted.find("PixelRatio!:\r\n 1 \r\n"), std::string::npos) << adopted;

  // The same monitor, the same 1920 x 1080 pixels, at 200 % display scaling.
  ProgramRunRequest scaled = WithIdentity(data, a);
  scaled.screens = "one-monitor-scaled-same-pixels.json";
  scaled.keys = "{Enter}";
  scaled.answers = "OK;OK;OK";
  scaled.hasAnswers = true;
  run = RunProgram(scaled);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_NE(run.output.find("[Calibration Required] The display scaling of the patient monitor "
                            "has changed (was 100 %, now 200 %)."),
            std::string::npos)
      << run.output;
}

TEST(ScreenIdentityRun, ABelievableReportedSizeStartsTheSquareAndChecksTheMeasurement) {
  const std::string plus15 = std::string(49, '+'), plus5 = std::string(16, '+');
  // 527 x 296 mm on 1920 x 1080 at 20 feet: 323 x 324 pixels.
  ProgramRunRequest measured = WithIdentity(FreshFolder("data"), IdentityFile("U2419H", 527, 296));
  measured.calibratedScale = 0;
  measured.keys = plus15 + "{Enter}";
  measured.answers = "OK;OK;OK;Keep";
  measured.hasAnswers = true;
  ProgramRunResult run = RunProgram(measured);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_NEAR(BlackRunHeight(run.Frame(1)), 324, 1);
  EXPECT_NE(run.output.find("[Calibrate] The square is now 372 x 373 pixels. The size this "
                            "monitor reports makes 8.87 centimeters 323 x 324 pixels."),
            std::string::npos)
      << run.output;
  EXPECT_EQ(run.LastState()["MasterScaleY"].toInt(), 373);  // kept

  measured.dataDir = FreshFolder("data");
  measured.keys = plus5 + "{Enter}";
  run = RunProgram(measured);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_EQ(run.output.find("measure the square again"), std::string::npos) << run.output;
  EXPECT_EQ(run.LastState()["MasterScaleY"].toInt(), 340);

  // A 7-inch or a wrongly shaped report is ignored: the usual 343 pixels, and no question
  // when Enter keeps them (believed, either report would make 343 more than 10 % off).
  for (const auto& [widthMm, heightMm] : {std::pair{160.0, 90.0}, std::pair{527.0, 200.0}}) {
    ProgramRunRequest ignored =
        WithIdentity(FreshFolder("data"), IdentityFile("U2419H", widthMm, heightMm));
    ignored.calibratedScale = 0;
    ignored.keys = "{Enter}";
    ignored.answers = "OK;OK;OK";
    ignored.hasAnswers = true;
    run = RunProgram(ignored);
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(BlackRunHeight(run.Frame(1)), 343);
    EXPECT_EQ(run.output.find("measure the square again"), std::string::npos) << run.output;
  }
}

}  // namespace lenvari
