// The exam room under a real X server with a window manager: the patient's 1920 x 1080 monitor
// and the examiner's 1280 x 1024 beside it (or the patient's monitor alone). Commands must leave
// the control window where it is, on the examiner's monitor, and the chart the top-most window;
// the control window must come back where the examiner left it. Skipped where the X server with
// the dummy video driver, openbox or the X tools are not installed.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <chrono>
#include <functional>

#include "support/ProgramRun.h"

namespace lenvari {
namespace {

struct WindowInfo {
  QString id;
  int x = 0, y = 0, width = 0, height = 0;
};

QString RunTool(const QString& program, const QStringList& arguments, const QString& display) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("DISPLAY", display);
  process.setProcessEnvironment(environment);
  process.start(program, arguments);
  process.waitForFinished(20000);
  return QString::fromLocal8Bit(process.readAllStandardOutput());
}

bool Installed() {
  for (const char* tool : {"Xorg", "openbox", "xprop", "xwininfo", "xdotool", "import", "xrandr"})
    if (QStandardPaths::findExecutable(tool).isEmpty()) return false;
  return QFile::exists("/usr/lib/xorg/modules/drivers/dummy_drv.so");
}

// An X server of our own with one monitor per size; stopped when the test ends.
class DummyServer {
 public:
  explicit DummyServer(const QStringList& sizes) {
    for (int n = 160; n < 200; ++n) {
      if (QFile::exists(QString("/tmp/.X%1-lock").arg(n)) ||
          QFile::exists(QString("/tmp/.X11-unix/X%1").arg(n)))
        continue;
      display_ = QString(":%1").arg(n);
      break;
    }
    if (display_.isEmpty()) return;
    QProcess start;
    start.start(QString(LENVARI_SUPPORT_DIR) + "/xdummy", QStringList{"start", display_} + sizes + QStringList{"--wm"});
    started_ = start.waitForFinished(30000) && start.exitCode() == 0;
  }
  ~DummyServer() {
    if (display_.isEmpty()) return;
    QProcess stop;
    stop.start(QString(LENVARI_SUPPORT_DIR) + "/xdummy", {"stop", display_});
    stop.waitForFinished(10000);
  }
  bool started() const { return started_; }
  const QString& display() const { return display_; }

  // The managed windows from bottom to top.
  QStringList Stacking() const {
    QString text = RunTool("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"}, display_);
    text = text.section('#', 1).trimmed();
    QStringList ids;
    for (const QString& id : text.split(',', Qt::SkipEmptyParts)) ids << id.trimmed();
    return ids;
  }
  // The caption without its quotes; the chart has none.
  QString Name(const QString& id) const {
    QString name = RunTool("xprop", {"-id", id, "WM_NAME"}, display_).section('=', 1).trimmed();
    if (name.size() >= 2 && name.startsWith('"') && name.endsWith('"')) name = name.mid(1, name.size() - 2);
    return name;
  }
  WindowInfo Geometry(const QString& id) const {
    WindowInfo info;
    info.id = id;
    for (const QString& line : RunTool("xwininfo", {"-id", id}, display_).split('\n')) {
      const int value = line.section(':', 1).trimmed().toInt();
      if (line.contains("Absolute upper-left X")) info.x = value;
      if (line.contains("Absolute upper-left Y")) info.y = value;
      if (line.trimmed().startsWith("Width:")) info.width = value;
      if (line.trimmed().startsWith("Height:")) info.height = value;
    }
    return info;
  }
  // The managed window named exactly `name` ("" for the chart, which has no caption).
  std::optional<WindowInfo> Window(const QString& name) const {
    for (const QString& id : Stacking())
      if (Name(id) == name) return Geometry(id);
    return std::nullopt;
  }
  void Screenshot(const std::string& name) const {
    QDir().mkpath(LENVARI_TEST_OUTPUT_DIR);
    RunTool("import", {"-window", "root", QString(LENVARI_TEST_OUTPUT_DIR "/") + QString::fromStdString(name)},
        display_);
  }

 private:
  QString display_;
  bool started_ = false;
};

std::string IntegerLine(int value) {
  return (value < 0 ? "" : " ") + std::to_string(value) + " \r\n";
}

// A data folder calibrated at 400 on monitors of the given rectangles, the first the patient's.
std::string CalibratedFolder(const std::vector<std::array<int, 4>>& rects) {
  const std::string folder = FreshFolder("data");
  std::string text = IntegerLine(1) + IntegerLine(static_cast<int>(rects.size()));
  for (size_t n = 0; n < 10; ++n) {
    const std::array<int, 4> r = n < rects.size() ? rects[n] : std::array<int, 4>{0, 0, 0, 0};
    const int scale = n < rects.size() ? 400 : 0;
    for (int v : {r[0], r[1], r[2], r[3], scale, scale, 1}) text += IntegerLine(v);
  }
  QFile file(QString::fromStdString(folder + "/lvmonitordata.cfg"));
  file.open(QIODevice::WriteOnly);
  file.write(text.data(), static_cast<qint64>(text.size()));
  return folder;
}

// The program on the X server, left running while the test looks at its windows.
struct RunningProgram {
  QProcess process;
  RunningProgram(const DummyServer& server, const std::string& folder, const std::string& keys) {
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
  bool WaitForOutput(const QString& text, int seconds) {
    QString seen;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < end) {
      process.waitForReadyRead(100);
      seen += QString::fromLocal8Bit(process.readAllStandardOutput());
      if (seen.contains(text)) return true;
    }
    return false;
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

}  // namespace

TEST(ExamRoomX11, ControlWindowStaysOnTheExaminersMonitorAndTheChartOnTop) {
  if (!Installed()) GTEST_SKIP() << "the X server with the dummy driver or its tools are missing";
  DummyServer server({"1920x1080", "1280x1024"});
  if (!server.started()) GTEST_SKIP() << "the X server did not start";
  const std::string folder = CalibratedFolder({{0, 0, 1920, 1080}, {1920, 0, 3200, 1024}});

  WindowInfo moved;
  {
    RunningProgram program(server, folder, "{Wait:1.5}{F3}{Enter}{Click:0,0}{Ctrl+W}ab{Wait:4}");
    ASSERT_TRUE(WaitFor([&] { return server.Window("Lenvari Acuity") && server.Window(""); }, 20));
    QThread::msleep(500);
    const WindowInfo start = *server.Window("Lenvari Acuity");
    // Wholly on the examiner's monitor.
    EXPECT_GE(start.x, 1920);
    EXPECT_GE(start.y, 0);
    EXPECT_LE(start.x + start.width, 3200);
    EXPECT_LE(start.y + start.height, 1024);

    ASSERT_TRUE(program.WaitForOutput("PRESS A KEY FOR MORE", 20));
    QThread::msleep(1200);  // the second page, then the key that ends the dump
    server.Screenshot("exam-room-two-monitors.png");
    const WindowInfo after = *server.Window("Lenvari Acuity");
    EXPECT_EQ(after.x, start.x);
    EXPECT_EQ(after.y, start.y);
    EXPECT_EQ(after.width, start.width);
    EXPECT_EQ(after.height, start.height);
    const QStringList stacking = server.Stacking();
    ASSERT_FALSE(stacking.isEmpty());
    EXPECT_EQ(server.Name(stacking.back()), "") << "the chart must be the top-most window";
    const WindowInfo chart = *server.Window("");
    EXPECT_EQ(chart.x, 0);
    EXPECT_EQ(chart.y, 0);
    EXPECT_EQ(chart.width, 1920);
    EXPECT_EQ(chart.height, 1080);

    // The examiner moves the control window; the program keeps that place.
    RunTool("xdotool", {"windowmove", after.id, "2100", "500"}, server.display());
    ASSERT_TRUE(WaitFor([&] { return server.Window("Lenvari Acuity")->y != after.y; }, 5));
    moved = *server.Window("Lenvari Acuity");
  }
  RunningProgram again(server, folder, "{Wait:2}");
  ASSERT_TRUE(WaitFor([&] { return server.Window("Lenvari Acuity") && server.Window(""); }, 20));
  QThread::msleep(500);
  const WindowInfo restarted = *server.Window("Lenvari Acuity");
  EXPECT_EQ(restarted.x, moved.x);
  EXPECT_EQ(restarted.y, moved.y);
  EXPECT_EQ(restarted.width, moved.width);
  EXPECT_EQ(restarted.height, moved.height);
}

TEST(ExamRoomX11, OneMonitorTheChartStillCoversTheWholeScreen) {
  if (!Installed()) GTEST_SKIP() << "the X server with the dummy driver or its tools are missing";
  DummyServer server({"1280x1024"});
  if (!server.started()) GTEST_SKIP() << "the X server did not start";
  const std::string folder = CalibratedFolder({{0, 0, 1280, 1024}});
  RunningProgram program(server, folder, "{Wait:1}{F3}{Click:0,0}{Wait:3}");
  ASSERT_TRUE(WaitFor([&] { return server.Window("Lenvari Acuity") && server.Window(""); }, 20));
  QThread::msleep(2500);
  const std::string shot = "exam-room-one-monitor.png";
  server.Screenshot(shot);
  EXPECT_EQ(server.Name(server.Stacking().back()), "");
  // The size label in the bottom-left corner is visible: blue pixels there.
  const QImage image(QString(LENVARI_TEST_OUTPUT_DIR "/") + QString::fromStdString(shot));
  ASSERT_EQ(image.size(), QSize(1280, 1024));
  int blue = 0;
  for (int y = 900; y < 1024; ++y)
    for (int x = 0; x < 250; ++x) {
      const QRgb p = image.pixel(x, y);
      if (qBlue(p) > 180 && qRed(p) < 80 && qGreen(p) < 80) ++blue;
    }
  EXPECT_GT(blue, 100);
}

}  // namespace lenvari
