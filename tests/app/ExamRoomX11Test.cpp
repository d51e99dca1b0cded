// The exam room under a real X server with a window manager: the patient's 1920 x 1080 monitor
// and the examiner's 1280 x 1024 beside it (or the patient's monitor alone). Commands must leave
// the control window where it is, on the examiner's monitor, and the chart the top-most window;
// the control window must come back where the examiner left it.

#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QThread>

#include <chrono>
#include <functional>

#include "support/DataFolderText.h"
#include "support/ProgramRun.h"
#include "support/XServer.h"

namespace lenvari {
namespace {

// A data folder calibrated at 400 on monitors of the given rectangles, the first the patient's.
std::string CalibratedFolder(const std::vector<std::array<int, 4>>& rects) {
  const std::string folder = FreshFolder("data");
  PutText(folder + "/lvmonitordata.cfg", MonitorDataText(1, rects));
  return folder;
}

// The program on the X server, left running while the test looks at its windows.
struct RunningProgram {
  QProcess process;
  RunningProgram(const XServer& server, const std::string& folder, const std::string& keys) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.insert("DISPLAY", server.display());
    environment.insert("ASAN_OPTIONS", "detect_leaks=0");
    process.setProcessEnvironment(environment);
    process.start(LENVARI_MAIN_PATH, {"--data-dir", QString::fromStdString(folder), "--keys",
                                      QString::fromStdString(keys)});
  }
  ~RunningProgram() {
    if (!process.waitForFinished(20000)) process.kill(), process.waitForFinished();
  }
};

bool WaitFor(const std::function<bool()>& ready, int seconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (std::chrono::steady_clock::now() < end) {
    if (ready()) return true;
    QThread::msleep(100);
  }
  return false;
}

void ExpectSamePlace(const XWindow& a, const XWindow& b) {
  EXPECT_EQ(QRect(a.x, a.y, a.width, a.height), QRect(b.x, b.y, b.width, b.height));
}

const QStringList kTools{"xprop", "xwininfo", "xdotool", "import"};

}  // namespace

TEST(ExamRoomX11, ControlWindowStaysOnTheExaminersMonitorAndTheChartOnTop) {
  if (!XServer::MissingTool(kTools).isEmpty()) GTEST_SKIP() << XServer::MissingTool(kTools).toStdString();
  XServer server({"1920x1080", "1280x1024"}, true);
  if (!server.problem().isEmpty()) GTEST_SKIP() << server.problem().toStdString();
  const std::string folder = CalibratedFolder({{0, 0, 1920, 1080}, {1920, 0, 3200, 1024}});
  const auto both = [&] { return server.Window("Lenvari Acuity") && server.Window(""); };

  XWindow moved;
  {
    RunningProgram program(server, folder, "{Wait:1.5}{F3}{Enter}{Click:0,0}{Ctrl+W}ab{Wait:4}");
    ASSERT_TRUE(WaitFor(both, 20));
    QThread::msleep(500);
    const XWindow start = *server.Window("Lenvari Acuity");
    // Wholly on the examiner's monitor.
    EXPECT_TRUE(QRect(1920, 0, 1280, 1024).contains(QRect(start.x, start.y, start.width, start.height)));

    // The settings dump's second page, then the key that ends it.
    QString seen;
    ASSERT_TRUE(WaitFor([&] {
      program.process.waitForReadyRead(100);
      seen += QString::fromLocal8Bit(program.process.readAllStandardOutput());
      return seen.contains("PRESS A KEY FOR MORE");
    }, 20));
    QThread::msleep(1200);
    server.Screenshot(LENVARI_TEST_OUTPUT_DIR "/exam-room-two-monitors.png");
    const XWindow after = *server.Window("Lenvari Acuity");
    ExpectSamePlace(after, start);
    const QStringList stacking = server.Stacking();
    ASSERT_FALSE(stacking.isEmpty());
    EXPECT_EQ(server.Name(stacking.back()), "") << "the chart must be the top-most window";
    ExpectSamePlace(*server.Window(""), XWindow{"", 0, 0, 1920, 1080});

    // The examiner moves the control window; the program keeps that place.
    server.Tool("xdotool", {"windowmove", after.id, "2100", "500"});
    ASSERT_TRUE(WaitFor([&] { return server.Window("Lenvari Acuity")->y != after.y; }, 5));
    moved = *server.Window("Lenvari Acuity");
  }
  RunningProgram again(server, folder, "{Wait:2}");
  ASSERT_TRUE(WaitFor(both, 20));
  QThread::msleep(500);
  ExpectSamePlace(*server.Window("Lenvari Acuity"), moved);
}

TEST(ExamRoomX11, OneMonitorTheChartStillCoversTheWholeScreen) {
  if (!XServer::MissingTool(kTools).isEmpty()) GTEST_SKIP() << XServer::MissingTool(kTools).toStdString();
  XServer server({"1280x1024"}, true, true);
  if (!server.problem().isEmpty()) GTEST_SKIP() << server.problem().toStdString();
  RunningProgram program(server, CalibratedFolder({{0, 0, 1280, 1024}}), "{Wait:1}{F3}{Click:0,0}{Wait:3}");
  ASSERT_TRUE(WaitFor([&] { return server.Window("Lenvari Acuity") && server.Window(""); }, 20));
  QThread::msleep(2500);
  const QString shot = LENVARI_TEST_OUTPUT_DIR "/exam-room-one-monitor.png";
  server.Screenshot(shot);
  EXPECT_EQ(server.Name(server.Stacking().back()), "");
  // The size label in the bottom-left corner is visible: blue pixels there.
  const QImage image(shot);
  ASSERT_EQ(image.size(), QSize(1280, 1024));
  int blue = 0;
  for (int y = 900; y < 1024; ++y)
    for (int x = 0; x < 250; ++x) {
      const QRgb p = image.pixel(x, y);
      blue += qBlue(p) > 180 && qRed(p) < 80 && qGreen(p) < 80;
    }
  EXPECT_GT(blue, 100);
}

}  // namespace lenvari
