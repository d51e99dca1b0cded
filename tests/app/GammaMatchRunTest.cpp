// The gamma match through the real program: every frame of the match screen is matched by the
// gamma it names, the arrows step it, Enter stores it and the chart draws with it at once,
// Escape leaves everything as it was.

#include <gtest/gtest.h>

#include <QJsonObject>

#include <filesystem>

#include "platform/TransferCurve.h"
#include "support/DataFolderText.h"
#include "support/Pixels.h"
#include "support/ProgramRun.h"

namespace lenvari {
namespace {

// The gammas of the run's match frames, in order, each checked against its pixels.
std::vector<double> MatchFrameGammas(const ProgramRunResult& run) {
  std::vector<double> gammas;
  for (int n = 1; n <= run.FrameCount(); ++n) {
    const QJsonObject state = run.FrameState(n);
    if (!state.contains("GammaMatch")) continue;
    const double gamma = state["GammaMatch"].toObject()["Gamma"].toDouble();
    gammas.push_back(gamma);
    const std::vector<SolvedGammaField> fields = SolveGammaFields(run.Frame(n));
    EXPECT_EQ(fields.size(), 2u) << "frame " << n;
    for (const SolvedGammaField& f : fields) EXPECT_NEAR(f.gamma, gamma, 0.05) << "frame " << n;
  }
  return gammas;
}

TEST(GammaMatchRun, UpTwiceAndEnterStoresTheGammaAndTheLevelsFollowItAtOnce) {
  const std::string data = FreshFolder("data");
  PutText(data + "/lvdisplay.cfg", "LuminanceContrast&:\r\n 1 \r\nDisplayGamma!:\r\n 2.5 \r\n");
  // After the match, two rungs down the contrast ladder: the "5 %" level.
  const ProgramRunResult run = RunWell(ScriptRequest("{Ctrl+C}{Up}{Up}{Enter}[[", data, "Match Gamma"));
  EXPECT_EQ(MatchFrameGammas(run), (std::vector<double>{2.5, 2.55, 2.6})) << run.output;
  EXPECT_EQ(ReadText(data + "/lvdisplay.cfg"), "LuminanceContrast&:\r\n 1 \r\nDisplayGamma!:\r\n 2.6 \r\n");

  const QJsonObject last = run.LastState();
  ASSERT_EQ(last["Foreground"].toInt(), 95);
  EXPECT_DOUBLE_EQ(last["DisplayGamma"].toDouble(), 2.6);
  EXPECT_NEAR(last["WeberContrast"].toDouble(), 5, 0.01);
  // The letters' dither cells, measured under gamma 2.6, are 5 % darker than white.
  const DitheredValue d = DitherLight(0.95, 2.6);
  const std::vector<double> cells = DitherCellLights(run.Frame(run.FrameCount()), d, 2.6);
  EXPECT_GT(cells.size(), 20u);
  for (double light : cells) ASSERT_NEAR(100 * (1 - light), 5, 0.01);
}

TEST(GammaMatchRun, EscapeInAMirroredRoomStoresNothing) {
  const std::string data = FreshFolder("data");
  const ProgramRunResult run =
      RunWell(ScriptRequest("{Ctrl+C}{Down}{Esc}", data, "Mirrored Room (reversed);Match Gamma"));
  // A folder that never had a gamma starts at 2.2; the pattern is the same through a mirror.
  EXPECT_EQ(MatchFrameGammas(run), (std::vector<double>{2.2, 2.15})) << run.output;
  EXPECT_FALSE(std::filesystem::exists(data + "/lvdisplay.cfg"));
  EXPECT_EQ(run.LastState()["Mirror"].toInt(), -1);
  EXPECT_DOUBLE_EQ(run.LastState()["DisplayGamma"].toDouble(), 0);
  EXPECT_FALSE(run.LastState().contains("GammaMatch"));
}

}  // namespace
}  // namespace lenvari
