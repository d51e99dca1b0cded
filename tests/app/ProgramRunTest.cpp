// The program's command line through the real program.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include <QJsonArray>
#include <QJsonObject>

#include "app/loop/RunOptions.h"
#include "support/DataFolderText.h"
#include "support/ProgramRun.h"
#include "support/Tie.h"

namespace lenvari {

TEST(ProgramRun, VersionAndHelpNeedNoWindowSystem) {
  ProgramRunRequest request;
  request.hasKeys = false, request.withoutDisplay = true, request.extraArguments = {"--version"};
  ProgramRunResult run = RunProgram(request);
  EXPECT_EQ(Tie(run.exitCode, run.output), Tie(0, "Lenvari 4.13\n"));
  request.extraArguments = {"--help"};
  run = RunProgram(request);
  EXPECT_EQ(run.exitCode, 0);
  for (const char* option : {"--data-dir", "--keys", "--answers", "--frames", "--seed"})
    EXPECT_TRUE(Printed(run, option)) << option;

  // The manual page is made from this text: each option is one of its entries, dashes escaped.
  // Windows has no manual pages.
  if (std::string(LENVARI_MAN_PAGE).empty()) return;
  const std::string page = ReadText(LENVARI_MAN_PAGE);
  for (const char* entry : {".B \\-\\-data\\-dir DIR\n", ".B \\-\\-keys SCRIPT\n",
                            ".B \\-\\-answers A;B;...\n", ".B \\-\\-frames DIR\n",
                            ".B \\-\\-seed N\n", ".B \\-\\-version\n", ".B \\-platform NAME\n",
                            "answers the modal windows in order"})
    EXPECT_NE(page.find(entry), std::string::npos) << entry;
}

TEST(ProgramRun, QtsOwnOptionsArePassedOverNotRefused) {
  // The command line is read before Qt takes its options out of it.
  const char* arguments[] = {"LenvariMain", "-platform", "offscreen", "--seed", "7",
                             "--platform", "xcb", "-reverse", "--data-dir", "/tmp/d"};
  RunOptions options = ParseCommandLine(10, const_cast<char**>(arguments));
  EXPECT_EQ(Tie(options.error, options.seed, options.dataDir), Tie("", 7u, "/tmp/d"));
  const char* wrong[] = {"LenvariMain", "-platform", "offscreen", "-bogus"};
  EXPECT_EQ(ParseCommandLine(4, const_cast<char**>(wrong)).error, "unknown option \"-bogus\" (see --help)");
}

// Exit code 2 and one line on standard error, before any window: a bad command line is named
// for what it is even without a display.
TEST(ProgramRun, BadCommandLinesAndNoDisplayAreRefusedInOneLine) {
  const struct {
    std::vector<std::string> arguments;
    std::string keys;
    bool display;
    std::string error;
  } cases[] = {
#ifndef _WIN32  // Windows has no display to be without
      {{}, "{Esc}", false, "LenvariMain: no display: neither DISPLAY nor WAYLAND_DISPLAY is set"},
#endif
      {{"--seed", "abc"}, "", false, "LenvariMain: --seed needs a whole number, not \"abc\"\n"},
      {{"--data-dir", ""}, "", true, "--data-dir needs a folder name"},
      {{}, "{Nonsense}", true, "unknown key {Nonsense}"},
  };
  for (const auto& c : cases) {
    ProgramRunRequest request = ScriptRequest(c.keys);
    request.withoutDisplay = !c.display, request.extraArguments = c.arguments;
    const ProgramRunResult run = RunProgram(request);
    EXPECT_EQ(run.exitCode, 2) << c.error;
    EXPECT_NE(run.errors.find(c.error), std::string::npos) << run.errors;
    EXPECT_EQ(std::count(run.errors.begin(), run.errors.end(), '\n'), 1) << run.errors;
  }
}

TEST(ProgramRun, FramesGoWhereTheRunBeganAndAFrameNotWrittenIsAFailure) {
  // A relative frames folder is taken from where the program was started, not from the data
  // folder it changes into.
  const std::string start = FreshFolder("start");
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(start);
  ProgramRunRequest request = ScriptRequest("", FreshFolder("data"));
  request.extraArguments = {"--frames", "relative-frames"};
  ProgramRunResult run = RunProgram(request);
  std::filesystem::current_path(before);
  EXPECT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_TRUE(std::filesystem::exists(start + "/relative-frames/frame-0001.png"));
  EXPECT_FALSE(std::filesystem::exists(request.dataDir + "/relative-frames"));

  // A frame that cannot be written ends the run with a message and a failure code.
  request.extraArguments.clear();
  ExpectUnwritableRecordEndsRun(request, "frame-0001");
}

// Each frame's record carries the stroke readouts (what they say is the readout's own test).
TEST(ProgramRun, FramesReportEachRowsStrokeAndTheBestMeasurableAcuity) {
  // Built-in preset 1 on 1920 x 1080 calibrated at 250 pixels per 1000 units, smoothed.
  ProgramRunRequest request = ScriptRequest("");
  request.calibratedScale = 250;
  const QJsonObject state = RunWell(request).LastState();
  const QJsonArray rows = state["StrokeReadout"].toArray();
  ASSERT_EQ(rows.size(), state["RowsShown"].toInt());
  const QJsonObject top = rows[0].toObject();
  EXPECT_EQ(Tie(top["Snellen"].toString(), top["IdealStrokePixels"].toDouble(),
                top["BeyondTolerance"].toBool(), state["BestMeasurableAcuity"].toString()),
            Tie("20/40", 10.0, false, "20/10"));
}

}  // namespace lenvari
