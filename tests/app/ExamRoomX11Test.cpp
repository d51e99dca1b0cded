// The exam room under a real X server with a window manager: the patient's 1920 x 1080 monitor
// and the examiner's 1280 x 1024 beside it (or the patient's monitor alone). Commands must leave
// the control window where it is, on the examiner's monitor, and the chart the top-most window;
// the control window must come back where the examiner left it. Every other window of the
// examiner's opens on the examiner's monitor, also after Ctrl+A swaps the roles, and the
// monitors switched off and on again under the running program leave the chart hidden, then
// full screen where it belongs. The virtual remote's keys are clicked as an examiner would, and
// a handheld remote's receiver types into the control window. The two-monitor cases share one
// server.

#include <gtest/gtest.h>

#include <QImage>
#include <QJsonObject>
#include <QThread>

#include <tuple>

#include "support/DataFolderText.h"
#include "support/Pixels.h"
#include "support/ProgramRun.h"
#include "support/XServer.h"

namespace lenvari {
namespace {

// A data folder calibrated at 400 on monitors of the given rectangles, the patient's monitor
// `patient`.
std::string CalibratedFolder(const std::vector<std::array<int, 4>>& rects, int patient = 1) {
  const std::string folder = FreshFolder("data");
  PutText(folder + "/lvmonitordata.cfg", MonitorDataText(patient, rects));
  return folder;
}

const QStringList kTools{"xprop", "xwininfo", "xdotool", "import", "wmctrl"};
const QRect kMonitor1(0, 0, 1920, 1080), kMonitor2(1920, 0, 1280, 1024);

// Waits for the window and says where it is: wholly inside `monitor`, or why not.
::testing::AssertionResult OpensOn(const XServer& server, const QString& title, const QRect& monitor) {
  std::optional<XWindow> w;
  if (!WaitFor([&] { return (w = server.Visible(title)).has_value(); }, 20))
    return ::testing::AssertionFailure() << title.toStdString() << " never opened";
  QThread::msleep(300);  // the window manager's last move
  w = server.Visible(title);
  if (w && monitor.contains(w->rect)) return ::testing::AssertionSuccess();
  const QRect r = w ? w->rect : QRect();
  return ::testing::AssertionFailure() << title.toStdString() << " at " << r.x() << "," << r.y()
                                       << " " << r.width() << "x" << r.height();
}

// No window stacked above the chart covers any of it (a window the chart owns, such as the
// virtual remote, stands above it in the stacking order but on the examiner's monitor).
::testing::AssertionResult ChartUncovered(const XServer& server) {
  const QStringList stacking = server.Stacking();
  qsizetype chart = -1;
  for (qsizetype i = 0; i < stacking.size(); ++i)
    if (server.Name(stacking[i]).isEmpty()) chart = i;
  if (chart < 0) return ::testing::AssertionFailure() << "no chart window";
  const QRect chartRect = server.Geometry(stacking[chart]).rect;
  for (qsizetype i = chart + 1; i < stacking.size(); ++i)
    if (server.Geometry(stacking[i]).rect.intersects(chartRect))
      return ::testing::AssertionFailure() << server.Name(stacking[i]).toStdString() << " covers the chart";
  return ::testing::AssertionSuccess();
}

void Key(const XServer& server, const QString& key) { server.Tool("xdotool", {"key", key}); }

bool Gone(const XServer& server, const QString& title) {
  return WaitFor([&] { return !server.Visible(title); }, 10);
}

// A field of the last frame the running program wrote; -1 before the first.
int LastField(const std::string& frames, const char* field = "SizeNow") {
  return ProgramRunResult{.framesDir = frames}.LastState()[field].toInt(-1);
}

// The parts of the chart a receiver's store must leave alone.
QJsonObject Chart(const QJsonObject& state) {
  QJsonObject chart;
  for (const char* name : {"Mode", "SizeNow", "LetterSet", "LetterSetFileNum", "JustOneLetter",
                           "HShutter", "VShutter", "Mask", "Grad", "TimedRandom"})
    chart[name] = state[name];
  return chart;
}

// The two monitors as the tests start them, the patient's on the left.
void BothMonitorsOn(const XServer& server) {
  server.Tool("xrandr", {"--output", "DUMMY0", "--mode", "1920x1080", "--pos", "0x0", "--output",
                         "DUMMY1", "--mode", "1280x1024", "--pos", "1920x0"});
}

// The X server with both monitors and a window manager, shared by the cases below.
class ExamRoomDesk : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { server = new XServer({"1920x1080", "1280x1024"}, true, false, kTools); }
  static void TearDownTestSuite() {
    delete server;
    server = nullptr;
  }
  void SetUp() override {
    if (!server->problem().isEmpty()) GTEST_SKIP() << server->problem().toStdString();
    BothMonitorsOn(*server);
  }
  // A calibrated folder on this desk with the patient on monitor `patient`, and with settings
  // files (written by one short start) when the test is to change them.
  std::string Folder(int patient, bool withSettings = false) {
    const std::string folder =
        CalibratedFolder({{0, 0, 1920, 1080}, {1920, 0, 3200, 1024}}, patient);
    if (!withSettings) return folder;
    ProgramRunRequest request = ScriptRequest("", folder);
    request.calibratedScale = 0, request.x11Display = server->display().toStdString();
    EXPECT_EQ(RunProgram(request).exitCode, 0);
    return folder;
  }
  static XServer* server;
};

XServer* ExamRoomDesk::server = nullptr;

}  // namespace

TEST(ExamRoomX11, OneMonitorTheChartStillCoversTheWholeScreen) {
  XServer server({"1280x1024"}, true, true, kTools);
  if (!server.problem().isEmpty()) GTEST_SKIP() << server.problem().toStdString();
  LiveProgram examiner(server.Environment(), CalibratedFolder({{0, 0, 1280, 1024}}));
  ASSERT_TRUE(WaitFor([&] { return server.Window("Lenvari Acuity") && server.Window(""); }, 20));
  ASSERT_TRUE(WaitFor([&] { return !server.Visible("About"); }, 10));
  const QString chart = server.Window("")->id;
  // A command and a click on the chart leave it above the control window.
  server.Tool("xdotool", {"windowactivate", "--sync", chart});
  server.Tool("xdotool", {"key", "F3", "mousemove", "640", "512", "click", "1"});
  QThread::msleep(2500);
  const QString shot = LENVARI_TEST_OUTPUT_DIR "/exam-room-one-monitor.png";
  server.Tool("import", {"-window", "root", shot});
  EXPECT_EQ(server.Name(server.Stacking().back()), "");
  // The size label in the bottom-left corner is visible: blue pixels there.
  const QImage image(shot);
  ASSERT_EQ(image.size(), QSize(1280, 1024));
  EXPECT_GT(CountColour(image.copy(0, 900, 250, 124), QColor(0, 0, 255), 75), 100);

  // A dialog opens above the chart, and its closing gives the keys back to the chart.
  server.Tool("xdotool", {"windowactivate", "--sync", chart});
  server.Tool("xdotool", {"key", "q"});
  EXPECT_TRUE(WaitFor([&] { return server.Name(server.Stacking().back()) == "Lenvari Acuity Quick Keys"; }, 20));
  server.Tool("xdotool", {"key", "Escape"});
  EXPECT_TRUE(WaitFor([&] {
    return server.Tool("xdotool", {"getactivewindow"}).toULongLong() == chart.toULongLong(nullptr, 0);
  }, 10)) << "the keys must go back to the chart";
  examiner.Stop();
}

TEST_F(ExamRoomDesk, ControlWindowStaysOnTheExaminersMonitorAndTheChartOnTop) {
  XServer& server = *this->server;
  const std::string folder = CalibratedFolder({{0, 0, 1920, 1080}, {1920, 0, 3200, 1024}});
  const auto both = [&] { return server.Window("Lenvari Acuity") && server.Window(""); };

  XWindow moved;
  {
    LiveProgram program(server.Environment(), folder,
                        {"--keys", "{Wait:1.5}{F3}{Enter}{Click:0,0}{Ctrl+W}ab{Wait:4}"});
    ASSERT_TRUE(WaitFor(both, 20));
    QThread::msleep(500);
    const XWindow start = *server.Window("Lenvari Acuity");
    EXPECT_TRUE(kMonitor2.contains(start.rect));  // wholly on the examiner's monitor

    // The settings dump's second page, then the key that ends it.
    ASSERT_TRUE(WaitFor([&] { return program.Said("PRESS A KEY FOR MORE"); }, 20));
    QThread::msleep(1200);
    const XWindow after = *server.Window("Lenvari Acuity");
    EXPECT_EQ(after.rect, start.rect);
    const QStringList stacking = server.Stacking();
    ASSERT_FALSE(stacking.isEmpty());
    EXPECT_EQ(server.Name(stacking.back()), "") << "the chart must be the top-most window";

    // The examiner moves the control window; the program keeps that place.
    server.Tool("xdotool", {"windowmove", after.id, "2100", "500"});
    ASSERT_TRUE(WaitFor([&] { return server.Window("Lenvari Acuity")->rect.y() != after.rect.y(); }, 5));
    moved = *server.Window("Lenvari Acuity");
  }
  LiveProgram again(server.Environment(), folder, {"--keys", "{Wait:2}"});
  ASSERT_TRUE(WaitFor(both, 20));
  QThread::msleep(500);
  EXPECT_EQ(server.Window("Lenvari Acuity")->rect, moved.rect);
}

TEST_F(ExamRoomDesk, EveryWindowOfTheExaminerOpensOnTheExaminersMonitorAlsoAfterCtrlA) {
  XServer& x = *server;
  const std::string folder = Folder(1, true);
  // The monitor window's stored place is the patient monitor's corner.
  SetSetting(folder, "MonitorWindowFlag&:", " 1 ");
  SetSetting(folder, "MonitorWindowX&:", " 0 ");
  SetSetting(folder, "MonitorWindowY&:", " 0 ");
  SetSetting(folder, "ShowVirtualRemote&:", " 1 ");
  const std::string frames = FreshFolder("frames");
  LiveProgram program(x.Environment(), folder, {"--frames", QString::fromStdString(frames)});
  EXPECT_TRUE(OpensOn(x, "About", kMonitor2));
  EXPECT_TRUE(OpensOn(x, "Lenvari Acuity", kMonitor2));
  EXPECT_TRUE(OpensOn(x, "Lenvari Monitor Display", kMonitor2));
  EXPECT_TRUE(OpensOn(x, "Virtual Remote", kMonitor2));
  ASSERT_TRUE(WaitFor([&] { return !x.Visible("About"); }, 10));
  EXPECT_EQ(x.Window("")->rect, kMonitor1);
  EXPECT_TRUE(ChartUncovered(x));

  // Typed keys reach the chart with the monitor window and the remote open (into the control
  // window: where the keyboard goes as they open is not this test's business).
  x.Tool("xdotool", {"windowactivate", "--sync", x.Visible("Lenvari Acuity")->id});
  const int before = LastField(frames);
  Key(x, "plus");
  EXPECT_TRUE(WaitFor([&] { return LastField(frames) == before + 1; }, 10));

  Key(x, "q");
  EXPECT_TRUE(OpensOn(x, "Lenvari Acuity Quick Keys", kMonitor2));
  Key(x, "Escape");
  ASSERT_TRUE(Gone(x, "Lenvari Acuity Quick Keys"));
  Key(x, "Escape");
  EXPECT_TRUE(OpensOn(x, "Quit Lenvari Now\\?", kMonitor2));
  Key(x, "Escape");
  ASSERT_TRUE(Gone(x, "Quit Lenvari Now\\?"));

  // The roles change: the chart goes to monitor 2, everything of the examiner's to monitor 1.
  x.Tool("xdotool", {"windowactivate", "--sync", x.Visible("Lenvari Acuity")->id});
  Key(x, "ctrl+a");
  ASSERT_TRUE(WaitFor([&] { return x.Window("") && x.Window("")->rect == kMonitor2; }, 20));
  EXPECT_TRUE(OpensOn(x, "Lenvari Acuity", kMonitor1));
  EXPECT_TRUE(OpensOn(x, "Lenvari Monitor Display", kMonitor1));
  EXPECT_TRUE(OpensOn(x, "Virtual Remote", kMonitor1));
  x.Tool("xdotool", {"windowactivate", "--sync", x.Visible("Lenvari Acuity")->id});
  Key(x, "ctrl+c");
  EXPECT_TRUE(OpensOn(x, "Lenvari Acuity Configuration", kMonitor1));
  Key(x, "Escape");
  ASSERT_TRUE(Gone(x, "Lenvari Acuity Configuration"));
  EXPECT_TRUE(ChartUncovered(x));

  // The remote's keys clicked where its picture has them (Pointer at 179,294, M5 at 25,548)
  // drive the chart. Closed by the examiner it stays closed, its setting off in memory only.
  const QString remote = x.Visible("Virtual Remote")->id;
  for (const auto& [where, field, value] : {std::tuple{QStringList{"198", "312"}, "PointerMode", 1},
                                            {QStringList{"42", "557"}, "CurrentMemory", 5}}) {
    x.Tool("xdotool", (QStringList{"mousemove", "--window", remote} + where) << "click" << "1");
    EXPECT_TRUE(WaitFor([&] { return LastField(frames, field) == value; }, 10)) << field;
  }
  x.Tool("wmctrl", {"-F", "-c", "Virtual Remote"});
  ASSERT_TRUE(Gone(x, "Virtual Remote"));
  x.Tool("xdotool", {"windowactivate", "--sync", x.Visible("Lenvari Acuity")->id});
  Key(x, "ctrl+w");
  EXPECT_TRUE(WaitFor([&] { return program.Said("PRESS A KEY FOR MORE"); }, 10));
  Key(x, "a");
  EXPECT_TRUE(WaitFor([&] { return program.Said(" ShowVirtualRemote&   :  0\n"); }, 10));
  EXPECT_EQ(Setting(folder, 10, "ShowVirtualRemote&:"), " 1 ");
  Key(x, "b");  // ends the dump

  // A handheld remote's receiver types its words at full speed into the control window: one
  // frame each, the chart as it was, the word's preset stored. A word that fell apart would
  // draw more frames: they are given time to show.
  const ProgramRunResult live{.framesDir = frames};
  const int start = live.FrameCount();
  const QJsonObject chart = Chart(live.FrameState(start));
  for (int i = 0; i < 30; ++i) {
    const char* words[] = {"ControlRemoteF07", "ControlRemoteF01", "ControlRemoteF12"};
    x.Tool("xdotool", {"type", "--delay", "0", words[i % 3]});
    const int n = start + i + 1;
    ASSERT_TRUE(WaitFor([&] { return live.FrameCount() >= n && !live.FrameState(n).isEmpty(); }, 30))
        << words[i % 3];
    QThread::msleep(150);
    ASSERT_EQ(live.FrameCount(), n) << words[i % 3];
    const QJsonObject state = live.FrameState(n);
    EXPECT_EQ(state["CurrentMemory"].toInt(), (std::vector{7, 1, 12})[i % 3]) << "word " << i;
    EXPECT_EQ(Chart(state), chart) << "word " << i;
  }
  // (Keys taken together, and keys typed slowly, are each their own input: the input wait's
  // and the key arrival's tests.)
  program.Stop();
}

// The patient monitor switched off and on again, on either side of the examiner's.
TEST_F(ExamRoomDesk, PatientMonitorSwitchedOffHidesTheChartAndOnBringsItBack) {
  XServer& x = *server;
  for (int patient : {1, 2}) {
    SCOPED_TRACE("patient monitor " + std::to_string(patient));
    const QRect patientRect = patient == 1 ? kMonitor1 : kMonitor2;
    const QRect examinerRect = patient == 1 ? kMonitor2 : kMonitor1;
    // xrandr moves the monitor that stays to the desktop's corner.
    const QRect examinerAloneRect(QPoint(0, 0), examinerRect.size());
    const QString output = patient == 1 ? "DUMMY0" : "DUMMY1";
    const std::string frames = FreshFolder("frames" + std::to_string(patient));
    // Who the monitors are, as their EDID would say.
    const QString identities = QString::fromStdString(frames) + "/identities.json";
    const auto identify = [&](const char* patientModel) {
      PutText(identities.toStdString(),
              std::string("[{\"manufacturer\": \"LEN\", \"model\": \"") + patientModel +
                  "\"}, {\"manufacturer\": \"DEL\", \"model\": \"U19\"}]");
    };
    identify(patient == 1 ? "P24" : "U19");
    LiveProgram program(x.Environment({"LENVARI_SCREEN_IDENTITY=" + identities}), Folder(patient),
                        {"--frames", QString::fromStdString(frames)});
    ASSERT_TRUE(WaitFor([&] { return x.Window("") && x.Window("Lenvari Acuity"); }, 20));
    ASSERT_TRUE(WaitFor([&] { return x.Window("")->rect == patientRect; }, 10));

    x.Tool("xrandr", {"--output", output, "--off"});
    EXPECT_TRUE(WaitFor([&] { return program.Said("Patient monitor disconnected"); }, 10));
    EXPECT_TRUE(WaitFor([&] { return !x.Window(""); }, 10)) << "the chart window must be hidden";
    EXPECT_TRUE(OpensOn(x, "Lenvari Acuity", examinerAloneRect));
    // Keys still change the chart.
    const int before = LastField(frames);
    x.Tool("xdotool", {"windowactivate", "--sync", x.Window("Lenvari Acuity")->id});
    Key(x, "plus");
    EXPECT_TRUE(WaitFor([&] { return LastField(frames) == before + 1; }, 10));

    BothMonitorsOn(x);
    EXPECT_TRUE(WaitFor([&] {
      const auto chart = x.Window("");
      return chart && chart->rect == patientRect && x.Name(x.Stacking().back()) == "";
    }, 20)) << "the chart must be back full screen and top-most";
    EXPECT_TRUE(OpensOn(x, "Lenvari Acuity", examinerRect));
    EXPECT_TRUE(program.Said("Patient monitor connected"));
    EXPECT_EQ(LastField(frames), before + 1) << "the chart keeps its state";
    if (patient == 1) {
      // The examiner's monitor switched off: the control window comes onto the patient's, under
      // the chart, and a question opens above the chart.
      x.Tool("xrandr", {"--output", "DUMMY1", "--off"});
      EXPECT_TRUE(OpensOn(x, "Lenvari Acuity", kMonitor1));
      EXPECT_EQ(x.Window("")->rect, kMonitor1);
      Key(x, "q");
      EXPECT_TRUE(WaitFor([&] { return x.Name(x.Stacking().back()) == "Lenvari Acuity Quick Keys"; }, 10));
      Key(x, "Escape");
      EXPECT_TRUE(Gone(x, "Lenvari Acuity Quick Keys"));
      BothMonitorsOn(x);
      EXPECT_TRUE(WaitFor([&] {
        const auto control = x.Visible("Lenvari Acuity");
        return control && kMonitor2.contains(control->rect);
      }, 10)) << "the control window goes back to the examiner's monitor";

      // Another monitor on the patient's socket: the calibration is asked for, on the examiner's
      // monitor.
      x.Tool("xrandr", {"--output", output, "--off"});
      EXPECT_TRUE(WaitFor([&] { return !x.Window(""); }, 10));
      identify("TV55");
      BothMonitorsOn(x);
      EXPECT_TRUE(OpensOn(x, "Calibration Required", examinerRect));
      EXPECT_TRUE(program.Said("was LEN P24, now LEN TV55"));
    }
    program.Stop();
  }
}

// A first start: the calibration square covers the patient monitor exactly, with nothing above
// it (the About box, shown as the program starts, is gone).
TEST_F(ExamRoomDesk, FirstCalibrationCoversThePatientMonitorAlone) {
  XServer& x = *server;
  LiveProgram program(x.Environment(), FreshFolder("data"));
  // Calibration Required, the distance, the explanation.
  for (const QString title : {"Calibration Required", "Calibrate Lenvari Acuity", "Calibrate"}) {
    ASSERT_TRUE(OpensOn(x, title, kMonitor2));
    Key(x, "Return");
  }
  std::optional<XWindow> square;
  ASSERT_TRUE(WaitFor([&] {
    square = x.Window("Calibrate");
    return square && square->rect == kMonitor1;
  }, 20)) << (square ? square->rect.width() : 0);
  QThread::msleep(500);
  EXPECT_EQ(x.Name(x.Stacking().back()), "Calibrate");
  EXPECT_FALSE(x.Visible("About"));
  program.Stop();
}

// The examiner's monitor scaled to 175 % and to 200 % (a laptop panel): the control window is
// wide enough for its menus, and the big dialogs, the remote's help and the file chooser lie
// wholly on that monitor, their buttons in view.
TEST_F(ExamRoomDesk, OnAScaledExaminersMonitorDialogsAndMenusFit) {
  XServer& x = *server;
  const std::string folder = Folder(1, true);
  SetSetting(folder, "ShowVirtualRemote&:", " 1 ");
  for (const QString factors : {"1;1.75", "1;2"}) {
    SCOPED_TRACE(factors.toStdString());
    LiveProgram program(x.Environment({"QT_SCREEN_SCALE_FACTORS=" + factors}), folder);
    ASSERT_TRUE(OpensOn(x, "Lenvari Acuity", kMonitor2));
    // 656 logical lines of remote on a monitor of 512 or 585: drawn smaller, wholly on it.
    EXPECT_TRUE(OpensOn(x, "Virtual Remote", kMonitor2));
    const XWindow control = *x.Visible("Lenvari Acuity");
    // 760 device pixels are 380 logical ones at 200 %: too narrow for the menu bar.
    EXPECT_GT(control.rect.width(), 760);
    x.Tool("xdotool", {"windowactivate", "--sync", control.id});
    for (const auto& [key, title] : {std::pair<QString, QString>{"ctrl+c", "Lenvari Acuity Configuration"},
                                     {"q", "Lenvari Acuity Quick Keys"},
                                     {"ctrl+v", "Lenvari Acuity - Select Video File"}}) {
      if (key != "ctrl+c" && factors == "1;1.75") continue;  // the larger of the two is enough
      Key(x, key);
      EXPECT_TRUE(OpensOn(x, title, kMonitor2));
      if (key == "q") {
        // Its button at the foot opens the remote's help, 665 x 680 logical pixels.
        const XWindow list = *x.Visible(title);
        x.Tool("xdotool", {"mousemove", "--window", list.id, "223", QString::number(list.rect.height() - 111),
                           "click", "1"});
        EXPECT_TRUE(OpensOn(x, "Lenvari Acuity Remote$", kMonitor2));
        Key(x, "Escape");
        ASSERT_TRUE(Gone(x, "Lenvari Acuity Remote$"));
      }
      Key(x, "Escape");
      ASSERT_TRUE(Gone(x, title));
    }
    program.Stop();
  }
}

}  // namespace lenvari
