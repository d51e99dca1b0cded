#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <thread>

#include "support/ProgramRun.h"

namespace lenvari {
namespace {

// An X server without a screen on a display number it picks itself, so runs in parallel never
// meet on one display.
struct Xvfb {
  QProcess server;
  QString display;

  bool Start() {
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    if (xvfb.isEmpty()) return false;
    server.start(xvfb, {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
    if (!server.waitForStarted()) return false;
    // The display number arrives as one line once the server accepts clients; a partial read
    // would name another display.
    while (!server.canReadLine())
      if (!server.waitForReadyRead(10000)) return false;
    display = ":" + QString(server.readLine()).trimmed();
    return display.size() > 1;
  }
  ~Xvfb() {
    server.terminate();
    server.waitForFinished();
  }
};

void SetSetting(const std::string& dataDir, const char* key, int value) {
  for (int n = 1; n <= 10; ++n) {
    QFile file(QString::fromStdString(dataDir) + QString("/%1lvconfig.cfg").arg(n));
    if (!file.open(QIODevice::ReadOnly)) continue;
    QStringList lines = QString(file.readAll()).split("\r\n");
    file.close();
    for (int i = 0; i + 1 < lines.size(); ++i)
      if (lines[i].trimmed() == key) lines[i + 1] = QString(" %1 ").arg(value);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(lines.join("\r\n").toUtf8());
  }
}

}  // namespace

// With Qt's real X11 platform the window appears at its stored place with its stored client
// size; a screenshot of the screen is left in the test output.
TEST(MonitorWindowX11, AppearsAtItsStoredPlaceAndSize) {
  Xvfb x;
  if (!x.Start()) GTEST_SKIP() << "Xvfb is not available";

  ProgramRunRequest request;
  request.dataDir = FreshFolder("data");
  request.screens = "";
  request.calibratedScale = 0;
  request.x11Display = x.display.toStdString();
  // First start: the calibration, so the folder holds a monitor data file of this screen.
  request.keys = "{Enter}";
  request.answers = "OK;OK;OK";
  request.hasAnswers = true;
  ASSERT_EQ(RunProgram(request).exitCode, 0);

  // A strong light keeps the window at its stored size (no rows to grow for).
  SetSetting(request.dataDir, "MonitorWindowX&:", 137);
  SetSetting(request.dataDir, "MonitorWindowY&:", 211);
  SetSetting(request.dataDir, "ThumbnailFlag&:", 1);
  request.hasAnswers = false;
  request.keys = "*k{Wait:1.5}*{Wait:1.5}";
  const QString shot = QString::fromStdString(FreshFolder("screenshot")) + "/screen.png";
  std::thread camera([&] {
    QThread::msleep(2500);
    QProcess::execute("import", {"-display", x.display, "-window", "root", shot});
  });
  const ProgramRunResult run = RunProgram(request);
  camera.join();
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  ASSERT_GE(run.MonitorCount(), 2);
  const QJsonObject state = run.MonitorState(run.MonitorCount());
  const QJsonArray stored = state["StoredSize"].toArray();
  EXPECT_EQ(state["Position"].toArray(), (QJsonArray{137, 211}));
  EXPECT_EQ(state["StoredPosition"].toArray(), (QJsonArray{137, 211}));
  EXPECT_EQ(state["ClientSize"].toArray(), stored);
  EXPECT_EQ(stored[1].toInt(), 2 * (1024 * stored[0].toInt() / 1280));
  EXPECT_EQ(run.MonitorImage(run.MonitorCount()).size(), QSize(stored[0].toInt(), stored[1].toInt()));
}

}  // namespace lenvari
