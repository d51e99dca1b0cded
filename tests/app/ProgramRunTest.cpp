#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>

#include <algorithm>

#include "app/RunOptions.h"
#include "support/ProgramRun.h"

namespace lenvari {

TEST(ProgramRun, EscAsksBeforeEndingYesEndsWithZeroAndNoGoesOn) {
  ProgramRunRequest request;
  request.keys = "{Esc}";
  request.answers = "Yes";
  request.hasAnswers = true;
  ProgramRunResult run = RunProgram(request);
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.output.find("[Quit Lenvari Now?] Do you want to exit?\n"), std::string::npos)
      << run.output;

  // No goes on to the second Esc, which asks again; with no answer left the box takes its
  // default button (Yes), and the used-up script ends the run.
  request.keys = "{Esc}{Esc}";
  request.answers = "No";
  run = RunProgram(request);
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exitCode, 0);
  const size_t first = run.output.find("[Quit Lenvari Now?]");
  ASSERT_NE(first, std::string::npos);
  EXPECT_NE(run.output.find("[Quit Lenvari Now?]", first + 1), std::string::npos) << run.output;
}

TEST(ProgramRun, VersionAndHelpNeedNoWindowSystem) {
  ProgramRunRequest request;
  request.hasKeys = false;
  request.withoutDisplay = true;
  request.extraArguments = {"--version"};
  ProgramRunResult run = RunProgram(request);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.output, "Lenvari 4.13\n");
  request.extraArguments = {"--help"};
  run = RunProgram(request);
  EXPECT_EQ(run.exitCode, 0);
  for (const char* option : {"--data-dir", "--keys", "--answers", "--frames", "--seed"})
    EXPECT_NE(run.output.find(option), std::string::npos) << option;

  // The manual page is made from this text: each option is one of its entries, dashes escaped.
  QFile manual(LENVARI_MAN_PAGE);
  ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
  const std::string page = manual.readAll().toStdString();
  for (const char* entry : {".B \\-\\-data\\-dir DIR\n", ".B \\-\\-keys SCRIPT\n",
                            ".B \\-\\-answers A;B;...\n", ".B \\-\\-frames DIR\n",
                            ".B \\-\\-seed N\n", ".B \\-\\-version\n", ".B \\-platform NAME\n"})
    EXPECT_NE(page.find(entry), std::string::npos) << entry;
  EXPECT_NE(page.find("answers the modal windows in order"), std::string::npos);
}

TEST(ProgramRun, QtsOwnOptionsArePassedOverNotRefused) {
  // The command line is read before Qt takes its options out of it.
  const char* arguments[] = {"LenvariMain", "-platform", "offscreen", "--seed", "7",
                             "--platform", "xcb", "-reverse", "--data-dir", "/tmp/d"};
  RunOptions options = ParseCommandLine(10, const_cast<char**>(arguments));
  EXPECT_EQ(options.error, "");
  EXPECT_EQ(options.seed, 7u);
  EXPECT_EQ(options.dataDir, "/tmp/d");
  const char* wrong[] = {"LenvariMain", "-platform", "offscreen", "-bogus"};
  EXPECT_EQ(ParseCommandLine(4, const_cast<char**>(wrong)).error, "unknown option \"-bogus\" (see --help)");
}

TEST(ProgramRun, NoDisplayIsOneLineAndExitCodeTwo) {
  ProgramRunRequest request;
  request.withoutDisplay = true;
  request.keys = "{Esc}";
  ProgramRunResult run = RunProgram(request);
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.errors,
            "LenvariMain: no display: neither DISPLAY nor WAYLAND_DISPLAY is set; to run without a "
            "screen add \"-platform offscreen\" (see the README)\n");

  // A display that was set but has gone away.
  request.withoutDisplay = false;
  request.x11Display = ":64999";
  run = RunProgram(request);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.errors.find("cannot connect to DISPLAY \":64999\""), std::string::npos) << run.errors;
  EXPECT_EQ(std::count(run.errors.begin(), run.errors.end(), '\n'), 1) << run.errors;

  // Without a display a bad command line is still named for what it is.
  request = {};
  request.withoutDisplay = true;
  request.extraArguments = {"--seed", "abc"};
  run = RunProgram(request);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.errors, "LenvariMain: --seed needs a whole number, not \"abc\"\n");
}

TEST(ProgramRun, BadCommandLinesAreRefusedWithAMessage) {
  ProgramRunRequest request;
  request.keys = "{Nonsense}";
  ProgramRunResult run = RunProgram(request);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.errors.find("unknown key {Nonsense}"), std::string::npos) << run.errors;
  request.keys = "";
  request.extraArguments = {"--seed", "abc"};
  run = RunProgram(request);
  EXPECT_EQ(run.exitCode, 2);
}

TEST(ProgramRun, ScaledDisplayStillDrawsInRealPixels) {
  ProgramRunRequest request;
  request.screens = "scaled-monitor.json";  // 1280 x 720 logical at a pixel ratio of 2
  request.keys = "";
  const ProgramRunResult run = RunProgram(request);
  ASSERT_EQ(run.exitCode, 0);
  ASSERT_GE(run.FrameCount(), 1);
  EXPECT_EQ(run.Frame(1).size(), QSize(2560, 1440));
  const QJsonObject state = run.LastState();
  EXPECT_EQ(state["ScreenWidth"].toInt(), 2560);
  EXPECT_EQ(state["ScreenHeight"].toInt(), 1440);
  const QJsonArray window = state["ChartWindowGeometry"].toArray();
  EXPECT_EQ(window[2].toInt(), 2560);
  EXPECT_EQ(window[3].toInt(), 1440);
}

TEST(ProgramRun, ChartWindowCoversTheCurrentMonitor) {
  ProgramRunRequest request;
  request.screens = "two-monitors.json";
  request.currentMonitor = 2;  // the patient monitor is the second one, right of the desk's
  request.keys = "";
  request.dataDir = FreshFolder("data");
  // The first run writes every settings file; the stored patient monitor counts from then on.
  ASSERT_EQ(RunProgram(request).exitCode, 0);
  QFile monitorData(QString::fromStdString(request.dataDir + "/lvmonitordata.cfg"));
  ASSERT_TRUE(monitorData.open(QIODevice::ReadWrite));
  monitorData.write(" 2 ");  // the stored patient monitor is the first line
  monitorData.close();
  const ProgramRunResult run = RunProgram(request);
  ASSERT_EQ(run.exitCode, 0);
  ASSERT_GE(run.FrameCount(), 1);
  const QJsonObject state = run.LastState();
  EXPECT_EQ(state["NumberOfMonitors"].toInt(), 2);
  EXPECT_EQ(state["CurrentMonitor"].toInt(), 2);
  EXPECT_EQ(state["ChartWidth"].toInt(), 4800);  // 1920 pixels at scale 400
  EXPECT_EQ(state["ChartHeight"].toInt(), 2700);
  const QJsonArray rect = state["MonitorRect"].toArray();
  const QJsonArray window = state["ChartWindowGeometry"].toArray();
  EXPECT_EQ(window[0].toInt(), rect[0].toInt());
  EXPECT_EQ(window[1].toInt(), rect[1].toInt());
  EXPECT_EQ(window[2].toInt(), rect[2].toInt() - rect[0].toInt());
  EXPECT_EQ(window[3].toInt(), rect[3].toInt() - rect[1].toInt());
  EXPECT_EQ(run.Frame(1).width(), rect[2].toInt() - rect[0].toInt());
  EXPECT_EQ(run.Frame(1).height(), rect[3].toInt() - rect[1].toInt());
}

TEST(ProgramRun, FramesReportEachRowsStrokeAndTheBestMeasurableAcuity) {
  // Built-in preset 1 on 1920 x 1080 calibrated at 250 pixels per 1000 units.
  ProgramRunRequest request;
  request.calibratedScale = 250;
  request.keys = "";
  ProgramRunResult run = RunProgram(request);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  const QJsonObject state = run.LastState();
  const QJsonArray rows = state["StrokeReadout"].toArray();
  ASSERT_EQ(rows.size(), state["RowsShown"].toInt());
  ASSERT_GE(rows.size(), 2);
  const QJsonObject top = rows[0].toObject();
  EXPECT_EQ(top["Snellen"].toString(), "20/40");
  EXPECT_DOUBLE_EQ(top["IdealStrokePixels"].toDouble(), 10.0);
  EXPECT_NEAR(top["EffectiveStrokePixels"].toDouble(), 10.0, 0.01);  // edges mixed in light
  EXPECT_LT(top["ErrorPercent"].toDouble(), 0.1);
  EXPECT_FALSE(top["BeyondTolerance"].toBool());
  // The rows below shrink; their thin strokes are reported with their true error.
  for (int i = 1; i < rows.size(); ++i) {
    const QJsonObject row = rows[i].toObject();
    EXPECT_LT(row["IdealStrokePixels"].toDouble(), rows[i - 1].toObject()["IdealStrokePixels"].toDouble());
    EXPECT_EQ(row["BeyondTolerance"].toBool(), row["ErrorPercent"].toDouble() > 5) << i;
  }
  // Every size of the file is drawn within the tolerance, down to its smallest.
  EXPECT_EQ(state["BestMeasurableAcuity"].toString(), "20/10");

  // At 20/10 the 2.5 px strokes are off by their 8-bit rounding only.
  request.keys = "10{Enter}";
  run = RunProgram(request);
  const QJsonObject ten = run.LastState()["StrokeReadout"].toArray()[0].toObject();
  EXPECT_EQ(ten["Snellen"].toString(), "20/10");
  EXPECT_DOUBLE_EQ(ten["IdealStrokePixels"].toDouble(), 2.5);
  EXPECT_NEAR(ten["ErrorPercent"].toDouble(), 0.09, 0.01);
  EXPECT_FALSE(ten["BeyondTolerance"].toBool());
}

}  // namespace lenvari
