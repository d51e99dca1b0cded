#include <gtest/gtest.h>

#include "support/ProgramRun.h"

namespace lenvari {

// A typed answer that presses OK on a dialog which refuses the entry opens a message box from
// inside that press; the box must be answered in its own turn, and the script go on to the end.
TEST(ScriptedAnswersRun, AnswerThatOpensANestedBoxDoesNotHangTheScript) {
  ProgramRunRequest request;
  request.calibratedScale = 0;  // a first start: "Calibration Required", then the distance
  request.keys = "{Enter}";
  request.answers = "OK;Meters;12.5;12;OK";
  request.hasAnswers = true;
  request.timeoutSeconds = 60;
  const ProgramRunResult run = RunProgram(request);
  ASSERT_TRUE(run.finished) << run.output;
  EXPECT_EQ(run.exitCode, 0) << run.errors;
  const size_t distance = run.output.find("[Calibrate Lenvari Acuity]");
  ASSERT_NE(distance, std::string::npos) << run.output;
  // The refusal of 12.5 meters is the box opened from inside the answer "12.5".
  EXPECT_NE(run.output.find("[ ]", distance), std::string::npos) << run.output;
  EXPECT_GE(run.FrameCount(), 1);
}

}  // namespace lenvari
