// The program run as an examiner runs it, on the offscreen platform: the exit question that an
// Enter right after Esc must not answer with "Yes", and windows on the monitor they are meant
// for whatever the monitors' scaling.

#include <gtest/gtest.h>

#include <QJsonArray>

#include "support/DataFolderText.h"
#include "support/ProgramRun.h"
#include "support/Tie.h"

namespace lenvari {

// Esc asks before the program ends. Only Yes ends it; an Enter or Esc typed right after must
// not answer the box, and No goes on to the next Esc, which asks again.
TEST(ExamRoomRun, EscAsksAndOnlyYesEndsTheExamination) {
  const struct {
    const char* keys;
    const char* answers;
    int memory;  // the Enter key goes on to the next preset
    size_t asked;
  } cases[] = {{"{Esc}{Enter}", "{Enter}", 2, 1}, {"{Esc}{Enter}", "{Esc}", 2, 1},
               {"{Esc}{Enter}", "Yes", 1, 1}, {"{Esc}{Esc}", "No", 1, 2}};
  for (const auto& c : cases) {
    const ProgramRunResult run = RunWell(ScriptRequest(c.keys, "", c.answers));
    EXPECT_EQ(Occurrences(run.output, "[Quit Lenvari Now?] Do you want to exit?\n"), c.asked) << c.answers;
    EXPECT_EQ(run.LastState()["CurrentMemory"].toInt(), c.memory) << c.answers;
  }
}

TEST(ExamRoomRun, ChartWindowCoversThePatientMonitorExactlyBesideAScaledOne) {
  ProgramRunRequest request = ScriptRequest("{Ctrl+A}");
  request.screens = "two-monitors-scaled.json";
  const ProgramRunResult run = RunWell(request);
  ASSERT_GE(run.FrameCount(), 2);
  // A fresh folder starts on monitor 1: here the examiner's monitor at 200 %, all of its
  // 2560 x 1440 device pixels.
  const QJsonObject before = run.FrameState(1);
  EXPECT_EQ(Tie(before["CurrentMonitor"].toInt(), before["MonitorRect"].toArray(),
                before["ChartWindowGeometry"].toArray(), run.Frame(1).size()),
            Tie(1, (QJsonArray{0, 0, 2560, 1440}), (QJsonArray{0, 0, 2560, 1440}), QSize(2560, 1440)));
  // Ctrl+A: the 100 % monitor beside it, which starts where the scaled one ends.
  const QJsonObject after = run.LastState();
  EXPECT_EQ(Tie(after["CurrentMonitor"].toInt(), after["MonitorRect"].toArray(),
                after["ChartWindowGeometry"].toArray(), run.Frame(run.FrameCount()).size()),
            Tie(2, (QJsonArray{2560, 0, 4480, 1080}), (QJsonArray{2560, 0, 1920, 1080}), QSize(1920, 1080)));
}

}  // namespace lenvari
