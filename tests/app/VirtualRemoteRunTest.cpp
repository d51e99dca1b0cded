// The quick-key list and the virtual remote through the real program: the list and the remote
// help answered through their widgets, and the remote's buttons clicked under a real X server.

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

namespace {

// Pixels of a colour in the top `rows` rows of a frame (every other row and column).
int Pixels(const QImage& frame, QRgb colour, int rows) {
  int n = 0;
  for (int y = 0; y < rows; y += 2)
    for (int x = 0; x < frame.width(); x += 2) n += frame.pixel(x, y) == colour;
  return n;
}

// A gallery shows a pure red selection frame; in record mode also a yellow banner near the top
// (above the yellow labels of the first row of cells).
enum class Shown { Other, Gallery, RecordGallery };
Shown WhatIsShown(const QImage& frame) {
  if (Pixels(frame, qRgb(255, 0, 0), frame.height()) < 200) return Shown::Other;
  return Pixels(frame, qRgb(255, 255, 0), frame.height() / 10) > 200 ? Shown::RecordGallery
                                                                      : Shown::Gallery;
}

}  // namespace

// Under a real X server with a window manager the remote's buttons are clicked where the
// picture has them, as an examiner would, and the remote is closed through its title. The
// remote appearing leaves the keyboard where it was.
TEST(VirtualRemoteRun, ClicksOnTheRemoteDriveTheChartAndClosingItKeepsTheSetting) {
  const QString missing = XServer::MissingTool({"xdotool", "wmctrl", "import"});
  if (!missing.isEmpty()) GTEST_SKIP() << missing.toStdString();
  XServer server({"1920x1080"}, true);
  if (!server.problem().isEmpty()) GTEST_SKIP() << server.problem().toStdString();

  // The folder is calibrated for a 1920 x 1080 monitor, the X server's size, and wants the
  // remote (a setting of the program's, in every settings file).
  const std::string dataDir = StartedFolder();
  SetSetting(dataDir, "ShowVirtualRemote&:", " 1 ");
  ProgramRunRequest request = ScriptRequest("{Wait:18}{Ctrl+W}xx+", dataDir, "");
  request.x11Display = server.display().toStdString();
  ProgramRunResult run;
  std::thread program([&] { run = RunProgram(request); });

  QString remote;
  for (int i = 0; i < 100 && remote.isEmpty(); ++i) {
    QThread::msleep(100);
    remote = server.Tool("xdotool", {"search", "--onlyvisible", "--name", "^Virtual Remote$"})
                 .section('\n', 0, 0);
  }
  const auto click = [&](const char* x, const char* y, const char* times) {
    server.Tool("xdotool", {"mousemove", "--window", remote, x, y, "click", "--repeat", times,
                            "--delay", "60", "1"});
    QThread::msleep(1200);
  };
  if (!remote.isEmpty()) {
    QThread::msleep(500);
    // Typed without a click first: the gradient key reaches the chart.
    server.Tool("xdotool", {"type", "g"});
    QThread::msleep(600);
    // Pointer at 179,294 (38 x 37), M5 at 25,548 (35 x 18), Image Gallery at 30,50 (49 x 20).
    click("198", "312", "1");
    click("42", "557", "1");
    // A double click adds images: past the box, the gallery in record mode, left with Esc.
    click("54", "60", "2");
    server.Tool("xdotool", {"key", "Escape"});
    QThread::msleep(800);
    click("54", "60", "1");  // the image gallery itself, left with Esc
    server.Tool("xdotool", {"key", "Escape"});
    QThread::msleep(800);
    server.Tool("wmctrl", {"-F", "-c", "Virtual Remote"});
  }
  program.join();

  ASSERT_FALSE(remote.isEmpty()) << "the virtual remote did not appear\n" << run.output << run.errors;
  ASSERT_TRUE(run.finished);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  ASSERT_GE(run.FrameCount(), 6);
  ExpectFrame(run, 2, {{"Grad", 1 - run.FrameState(1)["Grad"].toInt()}});
  ExpectFrame(run, 3, {{"PointerMode", 1}});
  ExpectFrame(run, 4, {{"CurrentMemory", 5}, {"PointerMode", 0}});
  // The double click adds images (once), the single click after it opens the gallery.
  EXPECT_EQ(Occurrences(run.output, "[Add Images] "), 1u) << run.output;
  std::vector<Shown> shown;
  for (int n = 5; n <= run.FrameCount(); ++n) {
    const Shown what = WhatIsShown(run.Frame(n));
    if (what != Shown::Other && (shown.empty() || shown.back() != what)) shown.push_back(what);
  }
  EXPECT_EQ(shown, (std::vector<Shown>{Shown::RecordGallery, Shown::Gallery}));
  EXPECT_EQ(run.LastState()["Mode"].toString(), "Image");
  // The chart runs on after the remote is closed ("+" drew a last frame); the setting is off
  // in memory only.
  EXPECT_TRUE(Printed(run, " ShowVirtualRemote&   :  0\n")) << run.output;
  EXPECT_EQ(Setting(dataDir, 10, "ShowVirtualRemote&:"), " 1 ");
}

}  // namespace lenvari
