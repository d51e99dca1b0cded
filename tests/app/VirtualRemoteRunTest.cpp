// The quick-key list and the virtual remote through the real program: the list and the remote
// help answered through their widgets, and the remote's buttons clicked under a real X server.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <gtest/gtest.h>

#include <thread>

#include "store/DataFolder.h"
#include "support/ProgramRun.h"

namespace lenvari {
namespace {

std::string ReadFile(const std::string& path) { return ReadWholeFile(path).value_or(""); }

void WriteFile(const std::string& path, const std::string& text) {
  QFile file(QString::fromStdString(path));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text.data(), static_cast<qint64>(text.size()));
}

const char kRemoteOff[] = "ShowVirtualRemote&:\r\n 0 \r\n";
const char kRemoteOn[] = "ShowVirtualRemote&:\r\n 1 \r\n";

// A fresh calibrated data folder that has been started once, with the virtual remote wanted.
// The setting is global: every settings file holds it and the last one read wins.
std::string DataFolderWantingTheRemote() {
  ProgramRunRequest first;
  first.dataDir = FreshFolder("data");
  first.keys = "";
  const ProgramRunResult run = RunProgram(first);
  EXPECT_EQ(run.exitCode, 0) << run.errors;
  for (int n = 1; n <= 10; ++n) {
    const std::string settings = first.dataDir + "/" + std::to_string(n) + "lvconfig.cfg";
    std::string text = ReadFile(settings);
    const size_t at = text.find(kRemoteOff);
    EXPECT_NE(at, std::string::npos) << text;
    if (at != std::string::npos) text.replace(at, sizeof kRemoteOff - 1, kRemoteOn);
    WriteFile(settings, text);
  }
  return first.dataDir;
}

}  // namespace

TEST(VirtualRemoteRun, QuickKeyListOpensTheRemoteHelpAndLeavesTheChartAsItWas) {
  ProgramRunRequest request;
  request.keys = "q";
  request.hasAnswers = true;
  request.answers = "Display Wireless Remote Functions;W4D;OK;{Esc};OK";
  const ProgramRunResult run = RunProgram(request);
  ASSERT_TRUE(run.finished);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  const std::string& out = run.output;
  const size_t list = out.find("[Lenvari Acuity Quick Keys] Up or Down Arrow Keys Increase or "
                               "decrease number of rows Left or Right Arrow Keys");
  ASSERT_NE(list, std::string::npos) << out;
  const size_t help = out.find("[Lenvari Acuity Remote] Image Gallery - Display thumbnails", list);
  ASSERT_NE(help, std::string::npos) << out;
  const size_t details = out.find(
      "[Lenvari Acuity Remote Details] W4D This button will display a WORTH FOUR DOT target for "
      "binocular vision evaluation.",
      help);
  EXPECT_NE(details, std::string::npos) << out;
  // Only the loop entry's frame: "q" ends its pass without drawing.
  EXPECT_EQ(run.FrameCount(), 1);
}

// Under a real X server the remote's buttons are clicked where the picture has them, as an
// examiner would, and the remote is closed through its title.
TEST(VirtualRemoteRun, ClicksOnTheRemoteDriveTheChartAndClosingItKeepsTheSetting) {
  const QString xvfb = QStandardPaths::findExecutable("Xvfb");
  const QString xdotool = QStandardPaths::findExecutable("xdotool");
  const QString wmctrl = QStandardPaths::findExecutable("wmctrl");
  const QString openbox = QStandardPaths::findExecutable("openbox");
  if (xvfb.isEmpty() || xdotool.isEmpty() || wmctrl.isEmpty() || openbox.isEmpty())
    GTEST_SKIP() << "Xvfb, xdotool, wmctrl and openbox are needed";
  int number = 140;
  while (number < 200 && QFile::exists(QString("/tmp/.X%1-lock").arg(number))) ++number;
  const QString display = QString(":%1").arg(number);
  QProcess server;
  server.start(xvfb, {display, "-screen", "0", "1920x1080x24", "-nolisten", "tcp"});
  ASSERT_TRUE(server.waitForStarted());
  for (int i = 0; i < 50 && !QFile::exists(QString("/tmp/.X11-unix/X%1").arg(number)); ++i)
    QThread::msleep(100);
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("DISPLAY", display);
  QProcess windowManager;
  windowManager.setProcessEnvironment(environment);
  windowManager.start(openbox, {"--sm-disable"});
  QThread::msleep(500);

  const std::string dataDir = DataFolderWantingTheRemote();
  ProgramRunRequest request;
  request.dataDir = dataDir;
  // The folder is calibrated for a 1920 x 1080 monitor, the X server's size.
  request.x11Display = display.toStdString();
  request.keys = "{Wait:9}{Ctrl+W}xx+";
  request.hasAnswers = true;
  ProgramRunResult run;
  std::thread program([&] { run = RunProgram(request); });

  const auto tool = [&](const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(5000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
  };
  QString remote;
  for (int i = 0; i < 100 && remote.isEmpty(); ++i) {
    QThread::msleep(100);
    remote = tool(xdotool, {"search", "--onlyvisible", "--name", "^Virtual Remote$"})
                 .section('\n', 0, 0);
  }
  const std::string shot = FreshFolder("screen") + "/virtual-remote-x11.png";
  if (!remote.isEmpty()) {
    QThread::msleep(500);
    tool("import", {"-display", display, "-window", "root", QString::fromStdString(shot)});
    // Pointer at 179,294 (38 x 37) and M5 at 25,548 (35 x 18) on the remote's client area.
    tool(xdotool, {"mousemove", "--window", remote, "198", "312", "click", "1"});
    QThread::msleep(600);
    tool(xdotool, {"mousemove", "--window", remote, "42", "557", "click", "1"});
    QThread::msleep(600);
    tool(wmctrl, {"-F", "-c", "Virtual Remote"});
  }
  program.join();
  windowManager.terminate();
  windowManager.waitForFinished();
  server.terminate();
  server.waitForFinished();

  ASSERT_FALSE(remote.isEmpty()) << "the virtual remote did not appear\n" << run.output << run.errors;
  ASSERT_TRUE(run.finished);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  ASSERT_GE(run.FrameCount(), 4);
  EXPECT_EQ(run.FrameState(2)["PointerMode"].toInt(), 1);
  EXPECT_EQ(run.FrameState(3)["CurrentMemory"].toInt(), 5);
  EXPECT_EQ(run.FrameState(3)["PointerMode"].toInt(), 0);
  // The chart runs on after the remote is closed ("+" drew a last frame); the setting is off
  // in memory only.
  EXPECT_EQ(run.FrameCount(), 4);
  EXPECT_NE(run.output.find(" ShowVirtualRemote&   :  0\n"), std::string::npos) << run.output;
  EXPECT_NE(ReadFile(dataDir + "/10lvconfig.cfg").find(kRemoteOn), std::string::npos);
  EXPECT_TRUE(QFile::exists(QString::fromStdString(shot)));
}

}  // namespace lenvari
