// The quick-key list and the virtual remote through the real program: the list and the remote
// help answered through their widgets, and the remote's buttons clicked under a real X server.

#include <QFile>
#include <QThread>
#include <gtest/gtest.h>

#include <thread>

#include "support/DataFolderText.h"
#include "support/ProgramRun.h"
#include "support/XServer.h"

namespace lenvari {

TEST(VirtualRemoteRun, QuickKeyListOpensTheRemoteHelpAndLeavesTheChartAsItWas) {
  const ProgramRunResult run =
      RunProgram(ScriptRequest("q", "", "Display Wireless Remote Functions;W4D;OK;{Esc};OK"));
  ASSERT_TRUE(run.finished);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  const std::string& out = run.output;
  const size_t list = out.find("[Lenvari Acuity Quick Keys] Up or Down Arrow Keys Increase or "
                               "decrease number of rows Left or Right Arrow Keys");
  ASSERT_NE(list, std::string::npos) << out;
  const size_t help = out.find("[Lenvari Acuity Remote] Image Gallery - Display thumbnails", list);
  ASSERT_NE(help, std::string::npos) << out;
  EXPECT_NE(out.find("[Lenvari Acuity Remote Details] W4D This button will display a WORTH FOUR "
                     "DOT target for binocular vision evaluation.", help),
            std::string::npos)
      << out;
  // Only the loop entry's frame: "q" ends its pass without drawing.
  EXPECT_EQ(run.FrameCount(), 1);
}

// Under a real X server the remote's buttons are clicked where the picture has them, as an
// examiner would, and the remote is closed through its title.
TEST(VirtualRemoteRun, ClicksOnTheRemoteDriveTheChartAndClosingItKeepsTheSetting) {
  const QString missing = XServer::MissingTool({"xdotool", "wmctrl", "import"});
  if (!missing.isEmpty()) GTEST_SKIP() << missing.toStdString();
  XServer server({"1920x1080"}, true);
  if (!server.problem().isEmpty()) GTEST_SKIP() << server.problem().toStdString();

  // The folder is calibrated for a 1920 x 1080 monitor, the X server's size, and wants the
  // remote (a setting of the program's, in every settings file).
  const std::string dataDir = StartedFolder();
  SetSetting(dataDir, "ShowVirtualRemote&:", " 1 ");
  ProgramRunRequest request = ScriptRequest("{Wait:9}{Ctrl+W}xx+", dataDir, "");
  request.x11Display = server.display().toStdString();
  ProgramRunResult run;
  std::thread program([&] { run = RunProgram(request); });

  QString remote;
  for (int i = 0; i < 100 && remote.isEmpty(); ++i) {
    QThread::msleep(100);
    remote = server.Tool("xdotool", {"search", "--onlyvisible", "--name", "^Virtual Remote$"})
                 .section('\n', 0, 0);
  }
  const QString shot = QString::fromStdString(FreshFolder("screen")) + "/virtual-remote-x11.png";
  if (!remote.isEmpty()) {
    QThread::msleep(500);
    server.Screenshot(shot);
    // Pointer at 179,294 (38 x 37) and M5 at 25,548 (35 x 18) on the remote's client area.
    server.Tool("xdotool", {"mousemove", "--window", remote, "198", "312", "click", "1"});
    QThread::msleep(600);
    server.Tool("xdotool", {"mousemove", "--window", remote, "42", "557", "click", "1"});
    QThread::msleep(600);
    server.Tool("wmctrl", {"-F", "-c", "Virtual Remote"});
  }
  program.join();

  ASSERT_FALSE(remote.isEmpty()) << "the virtual remote did not appear\n" << run.output << run.errors;
  ASSERT_TRUE(run.finished);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  // The chart runs on after the remote is closed ("+" drew a last frame); the setting is off
  // in memory only.
  ASSERT_EQ(run.FrameCount(), 4);
  ExpectFrame(run, 2, {{"PointerMode", 1}});
  ExpectFrame(run, 3, {{"CurrentMemory", 5}, {"PointerMode", 0}});
  EXPECT_TRUE(Printed(run, " ShowVirtualRemote&   :  0\n")) << run.output;
  EXPECT_EQ(Setting(dataDir, 10, "ShowVirtualRemote&:"), " 1 ");
  EXPECT_TRUE(QFile::exists(shot));
}

}  // namespace lenvari
