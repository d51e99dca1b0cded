#include <gtest/gtest.h>

#include <QJsonArray>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include "support/ProgramRun.h"

namespace lenvari {

// The one run with a real window system: an X server without a screen (Xvfb) and Qt's X11
// platform. The chart window must appear exactly on the monitor.
TEST(X11Smoke, ChartWindowCoversTheMonitorUnderARealWindowSystem) {
  const QString xvfb = QStandardPaths::findExecutable("Xvfb");
  if (xvfb.isEmpty()) GTEST_SKIP() << "Xvfb is not installed";
  QProcess server;
  const QString display = ":97";
  server.start(xvfb, {display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
  ASSERT_TRUE(server.waitForStarted());
  QThread::msleep(700);  // the server needs a moment before it takes clients

  ProgramRunRequest request;
  request.calibratedScale = 0;
  request.x11Display = display.toStdString();
  request.keys = "{Enter}{Wait:0.5}";
  request.answers = "OK;OK;OK";
  request.hasAnswers = true;
  const ProgramRunResult run = RunProgram(request);
  server.terminate();
  server.waitForFinished();

  ASSERT_TRUE(run.finished);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  ASSERT_GE(run.FrameCount(), 2);
  const QJsonObject state = run.LastState();
  const QJsonArray window = state["ChartWindowGeometry"].toArray();
  EXPECT_EQ(window[0].toInt(), 0);
  EXPECT_EQ(window[1].toInt(), 0);
  EXPECT_EQ(window[2].toInt(), 1280);
  EXPECT_EQ(window[3].toInt(), 1024);
  EXPECT_EQ(run.Frame(run.FrameCount()).size(), QSize(1280, 1024));
}

}  // namespace lenvari
