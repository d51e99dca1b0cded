// The program on headless Wayland desks (tests/support/wldesk): sway, a wlroots compositor, run
// natively with one output, and GNOME's mutter with two outputs and Xwayland. On sway the chart
// is full screen with its strokes at the output's device pixels (scale 2 included) and a
// question asked over it is shown above it and answered by keys; on the GNOME desk the program
// goes through Xwayland by itself and keeps the control window off the patient's output,
// patient on either output.
// Skipped where the compositor is not installed.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include <unistd.h>

#include <algorithm>
#include <functional>
#include <optional>

#include "support/DataFolderText.h"
#include "support/ProgramRun.h"
#include "support/XServer.h"

namespace lenvari {
namespace {

// One desk of its own, stopped when the object goes.
class WaylandDesk {
 public:
  WaylandDesk(const QString& compositor, const QStringList& sizes) {
    problem_ = XServer::MissingTool(compositor == "sway"
                                        ? QStringList{"sway", "swaymsg", "grim", "wtype"}
                                        : QStringList{"mutter", "dbus-run-session", "Xwayland", "xwininfo"});
    if (problem_.isEmpty() && compositor == "sway" &&
        !QFile::exists("/usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqwayland-generic.so"))
      problem_ = "Qt's Wayland plugin (qt6-wayland) is not installed";
    if (!problem_.isEmpty()) return;
    name_ = QString("lenvari%1%2").arg(compositor).arg(::getpid());
    QProcess start;
    start.start(QString(LENVARI_SUPPORT_DIR) + "/wldesk", QStringList{"start", compositor, name_} + sizes);
    if (!start.waitForFinished(60000) || start.exitCode() != 0) {
      problem_ = compositor + " did not start: " + QString::fromLocal8Bit(start.readAllStandardError());
      return;
    }
    for (const QString& word : QString::fromLocal8Bit(start.readAllStandardOutput()).split(QRegularExpression("\\s+")))
      if (word.contains('=')) environment_.insert(word.section('=', 0, 0), word.section('=', 1));
  }
  ~WaylandDesk() {
    if (name_.isEmpty()) return;
    QProcess stop;
    stop.start(QString(LENVARI_SUPPORT_DIR) + "/wldesk", {"stop", name_});
    stop.waitForFinished(20000);
  }
  const QString& problem() const { return problem_; }

  QProcessEnvironment Environment(const QString& platform = "") const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XAUTHORITY"})
      environment.remove(name);
    environment.insert(environment_);
    if (!platform.isEmpty()) environment.insert("QT_QPA_PLATFORM", platform);
    return environment;
  }
  QString Tool(const QString& program, const QStringList& arguments) const {
    return ToolOutput(Environment(), program, arguments);
  }

 private:
  QString name_, problem_;
  QProcessEnvironment environment_;
};

// Whether sway's tree holds a window titled `title` with the `wanted` values ("visible",
// "focused", "fullscreen_mode").
bool SwayShows(const WaylandDesk& desk, const QString& title, const QJsonObject& wanted = {}) {
  std::function<bool(const QJsonObject&)> find = [&](const QJsonObject& node) {
    if (node["name"].toString() == title && node["type"].toString().endsWith("con"))
      return std::ranges::all_of(wanted.keys(), [&](const QString& key) { return node[key] == wanted[key]; });
    for (const char* key : {"nodes", "floating_nodes"})
      for (const QJsonValue& child : node[key].toArray())
        if (find(child.toObject())) return true;
    return false;
  };
  return find(QJsonDocument::fromJson(desk.Tool("swaymsg", {"-t", "get_tree"}).toUtf8()).object());
}

// A question shown with the keyboard; the chart full screen.
const QJsonObject kAsking{{"visible", true}, {"focused", true}}, kFullScreen{{"fullscreen_mode", 1}};

// Of the 2 x 2 blocks that hold an edge (not all one grey), the share whose four pixels are
// equal: near 1 for a picture enlarged from half the resolution.
double UniformEdgeBlocks(const QImage& shot) {
  const QImage grey = shot.convertToFormat(QImage::Format_Grayscale8);
  int edges = 0, uniform = 0;
  for (int y = 0; y + 1 < grey.height(); y += 2) {
    const uchar* a = grey.constScanLine(y);
    const uchar* b = grey.constScanLine(y + 1);
    for (int x = 0; x + 1 < grey.width(); x += 2) {
      const int low = std::min({a[x], a[x + 1], b[x], b[x + 1]});
      const int high = std::max({a[x], a[x + 1], b[x], b[x + 1]});
      const bool allEqual = low == high;
      if (allEqual && (low == 0 || low == 255)) continue;
      ++edges;
      uniform += allEqual;
    }
  }
  return edges ? static_cast<double>(uniform) / edges : 1;
}

}  // namespace

TEST(WaylandDesk, SwayShowsTheChartAtDevicePixelsAndAQuestionAboveIt) {
  WaylandDesk desk("sway", {"1920x1080"});
  if (!desk.problem().isEmpty()) GTEST_SKIP() << desk.problem().toStdString();
  {
    // A first start asks over the full-screen chart.
    // (The programs on the desk are ended by the test: none is waited for.)
    LiveProgram program(desk.Environment("wayland"), FreshFolder("first"), {}, 0);
    EXPECT_TRUE(WaitFor([&] { return SwayShows(desk, "Calibration Required", kAsking); }, 60))
        << "the question must be shown above the chart, with the keyboard";
    QThread::msleep(1500);  // its first frame drawn before the key comes
    desk.Tool("wtype", {"-k", "Return"});
    EXPECT_TRUE(WaitFor([&] { return !SwayShows(desk, "Calibration Required"); }, 20))
        << "Enter answers the question";
  }
  for (int scale : {1, 2}) {
    SCOPED_TRACE("scale " + std::to_string(scale));
    // A folder of its own: the calibration guard asks again on another display scaling.
    const std::string folder = FreshFolder("data" + std::to_string(scale));
    PutText(folder + "/lvmonitordata.cfg", MonitorDataText(1, {{0, 0, 1920, 1080}}));
    desk.Tool("swaymsg", {"output", "HEADLESS-1", "scale", QString::number(scale)});
    LiveProgram program(desk.Environment("wayland"), folder, {}, 0);
    ASSERT_TRUE(WaitFor([&] { return SwayShows(desk, "com.lenvari.Acuity", kFullScreen); }, 60));
    QThread::msleep(1500);
    const QString shot = QString(LENVARI_TEST_OUTPUT_DIR "/wayland-sway-scale-%1.png").arg(scale);
    desk.Tool("grim", {shot});
    const QImage image(shot);
    ASSERT_EQ(image.size(), QSize(1920, 1080));
    // Strokes at device resolution: the letters' edges are not doubled pixels.
    EXPECT_LT(UniformEdgeBlocks(image), 0.4);
    if (scale != 1) continue;
    // The exit question takes the keys: "n" keeps the program and its full-screen chart, "y"
    // ends it.
    const auto asked = [&] { return SwayShows(desk, "Quit Lenvari Now?", kAsking); };
    const auto chartFullScreen = [&] {
      return SwayShows(desk, "com.lenvari.Acuity", {{"fullscreen_mode", 1}, {"focused", true}});
    };
    desk.Tool("wtype", {"-k", "Escape"});
    ASSERT_TRUE(WaitFor(asked, 20));
    QThread::msleep(1000);  // its first frame drawn before the key comes
    desk.Tool("wtype", {"n"});
    EXPECT_TRUE(WaitFor([&] { return !SwayShows(desk, "Quit Lenvari Now?") && chartFullScreen(); }, 20));
    EXPECT_FALSE(program.process.waitForFinished(500)) << "No keeps the program";
    desk.Tool("wtype", {"-k", "Escape"});
    ASSERT_TRUE(WaitFor(asked, 20));
    desk.Tool("wtype", {"y"});
    EXPECT_TRUE(program.process.waitForFinished(20000));
    EXPECT_EQ(program.process.exitCode(), 0);
  }
}

TEST(WaylandDesk, OnGnomeTheControlWindowStaysOffThePatientsOutput) {
  WaylandDesk desk("mutter", {"1920x1080", "1280x1024"});
  if (!desk.problem().isEmpty()) GTEST_SKIP() << desk.problem().toStdString();
  const QRect outputs[] = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
  for (int patient : {1, 2}) {
    SCOPED_TRACE("patient output " + std::to_string(patient));
    const std::string folder = FreshFolder("data" + std::to_string(patient));
    PutText(folder + "/lvmonitordata.cfg",
            MonitorDataText(patient, {{0, 0, 1920, 1080}, {1920, 0, 3200, 1024}}));
    // No platform chosen: the session's X11 (Xwayland) is taken.
    LiveProgram program(desk.Environment(), folder, {}, 0);
    const QRect examiner = outputs[patient == 1 ? 1 : 0];
    QRect control;
    EXPECT_TRUE(WaitFor([&] {
      const std::optional<XWindow> w = VisibleWindow(desk.Environment(), "Lenvari Acuity");
      control = w ? w->rect : QRect();
      return w && examiner.contains(control);
    }, 30)) << control.x() << "," << control.y() << " " << control.width() << "x" << control.height();
  }
}

}  // namespace lenvari
