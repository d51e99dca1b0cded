// The program run as an examiner runs it, on the offscreen platform: the exit question that an
// Enter right after Esc must not answer with "Yes", windows on the monitor they are meant for
// whatever the monitors' scaling, and a calibration screen that Escape leaves as it was.

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>

#include "support/ProgramRun.h"

namespace lenvari {
namespace {

std::string IntegerLine(int value) {
  return (value < 0 ? "" : " ") + std::to_string(value) + " \r\n";
}

struct MonitorRecord {
  int left, top, right, bottom, scale;
};

// A monitor data file for the given monitors (the rest empty).
std::string MonitorData(int current, const std::vector<MonitorRecord>& records) {
  std::string text = IntegerLine(current) + IntegerLine(static_cast<int>(records.size()));
  for (size_t n = 0; n < 10; ++n) {
    const MonitorRecord r = n < records.size() ? records[n] : MonitorRecord{0, 0, 0, 0, 0};
    for (int v : {r.left, r.top, r.right, r.bottom, r.scale, r.scale, 1}) text += IntegerLine(v);
  }
  return text;
}

void WriteText(const std::string& path, const std::string& text) {
  QFile file(QString::fromStdString(path));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text.data(), static_cast<qint64>(text.size()));
}

std::string ReadText(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return "";
  return file.readAll().toStdString();
}

}  // namespace

TEST(ExamRoomRun, EnterRightAfterEscDoesNotEndTheExaminationButYesDoes) {
  ProgramRunRequest request;
  request.keys = "{Esc}{Enter}";
  request.answers = "{Enter}";
  request.hasAnswers = true;
  ProgramRunResult run = RunProgram(request);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_NE(run.output.find("[Quit Lenvari Now?] Do you want to exit?"), std::string::npos);
  // The Enter key went on to the next preset.
  EXPECT_EQ(run.LastState()["CurrentMemory"].toInt(), 2);

  request.answers = "{Esc}";
  run = RunProgram(request);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_EQ(run.LastState()["CurrentMemory"].toInt(), 2);

  request.answers = "Yes";
  run = RunProgram(request);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_EQ(run.LastState()["CurrentMemory"].toInt(), 1);  // ended before the Enter
}

TEST(ExamRoomRun, ChartWindowCoversThePatientMonitorExactlyBesideAScaledOne) {
  ProgramRunRequest request;
  request.screens = "two-monitors-scaled.json";
  request.keys = "{Ctrl+A}";
  const ProgramRunResult run = RunProgram(request);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  ASSERT_GE(run.FrameCount(), 2);
  // A fresh folder starts on monitor 1: here the examiner's monitor at 200 %, all of its
  // 2560 x 1440 device pixels.
  const QJsonObject before = run.FrameState(1);
  EXPECT_EQ(before["CurrentMonitor"].toInt(), 1);
  EXPECT_EQ(before["MonitorRect"].toArray(), (QJsonArray{0, 0, 2560, 1440}));
  EXPECT_EQ(before["ChartWindowGeometry"].toArray(), (QJsonArray{0, 0, 2560, 1440}));
  EXPECT_EQ(run.Frame(1).size(), QSize(2560, 1440));
  // Ctrl+A: the 100 % monitor beside it, which starts where the scaled one ends.
  const QJsonObject after = run.LastState();
  EXPECT_EQ(after["CurrentMonitor"].toInt(), 2);
  EXPECT_EQ(after["MonitorRect"].toArray(), (QJsonArray{2560, 0, 4480, 1080}));
  EXPECT_EQ(after["ChartWindowGeometry"].toArray(), (QJsonArray{2560, 0, 1920, 1080}));
  EXPECT_EQ(run.Frame(run.FrameCount()).size(), QSize(1920, 1080));
}

TEST(ExamRoomRun, EscapeLeavesAValidCalibrationAsItWasButCannotSkipTheFirst) {
  // Monitor 2 was calibrated at 400 when it had 1600 x 900 pixels; now it has 1920 x 1080, so
  // switching to it asks for the calibration again.
  const std::string data = FreshFolder("data");
  const std::string before =
      MonitorData(1, {{0, 0, 1280, 720, 400}, {1280, 0, 2880, 900, 400}});
  WriteText(data + "/lvmonitordata.cfg", before);
  ProgramRunRequest request;
  request.dataDir = data;
  request.screens = "two-monitors.json";
  request.keys = "{Ctrl+A}+++{Esc}";
  request.answers = "OK;OK";
  request.hasAnswers = true;
  ProgramRunResult run = RunProgram(request);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_NE(run.output.find("[Calibration Required]"), std::string::npos) << run.output;
  EXPECT_EQ(run.LastState()["CurrentMonitor"].toInt(), 2);
  EXPECT_EQ(run.LastState()["MasterScaleX"].toInt(), 400);
  const std::string after = ReadText(data + "/lvmonitordata.cfg");
  const std::string monitor2Scales = IntegerLine(400) + IntegerLine(400) + IntegerLine(1);
  // Both records still hold 400 x 400 (only the stored rectangle took the present one).
  size_t first = after.find(monitor2Scales);
  ASSERT_NE(first, std::string::npos) << after;
  EXPECT_NE(after.find(monitor2Scales, first + 1), std::string::npos) << after;
  EXPECT_EQ(after.find(IntegerLine(403)), std::string::npos) << after;

  // A first calibration has nothing to go back to: Escape is ignored, Enter stores.
  ProgramRunRequest fresh;
  fresh.calibratedScale = 0;
  fresh.keys = "+{Esc}+{Enter}";
  fresh.answers = "OK;OK;OK";
  fresh.hasAnswers = true;
  run = RunProgram(fresh);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_EQ(run.LastState()["MasterScaleX"].toInt(), 345);
}

}  // namespace lenvari
