// The fixation video through the real program: its two messages, an outside player started
// and ended again, and the program's own full-screen playback on the patient monitor.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>

#include <fstream>
#include <sstream>

#include "support/DataFolderText.h"
#include "support/ProgramRun.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

// The patient's monitor 1 alone, or monitor 2 of two.
std::string Screens(int monitor) { return monitor == 1 ? "one-monitor.json" : "two-monitors.json"; }

// A data folder that has been through one start, with the video settings given.
std::string PreparedFolder(int monitor, const std::string& video, const std::string& player) {
  const std::string dir = StartedFolder(Screens(monitor), monitor);
  // The first start stays on monitor 1; the stored patient monitor counts from then on.
  std::string monitorData = ReadText(dir + "/lvmonitordata.cfg");
  PutText(dir + "/lvmonitordata.cfg", monitorData.replace(1, 1, std::to_string(monitor)));
  SetSetting(dir, "SelectedVideo$:", video);
  SetSetting(dir, "VideoPlayer$:", player);
  return dir;
}

ProgramRunRequest VideoRequest(const std::string& dataDir, const std::string& keys, int monitor = 1) {
  ProgramRunRequest request = ScriptRequest(keys, dataDir);
  request.screens = Screens(monitor), request.currentMonitor = monitor;
  return request;
}

// Running, as opposed to ended (an ended process may linger as a zombie until it is reaped).
bool Alive(long long pid) {
  if (pid <= 0) return false;
  const std::string stat = ReadText("/proc/" + std::to_string(pid) + "/stat");
  const size_t close = stat.rfind(')');
  return close != std::string::npos && close + 2 < stat.size() && stat[close + 2] != 'Z';
}

}  // namespace

TEST(VideoRun, NoSelectionAndAMissingFileAreToldAndDrawNothing) {
  for (const auto& [video, message] :
       {std::pair{"", "No Video has been selected."},
        {"/tmp/lenvari-no-such-video.mp4", "Video file not found."}}) {
    const ProgramRunResult run = RunWell(VideoRequest(PreparedFolder(1, video, ""), "v"));
    EXPECT_TRUE(Printed(run, std::string("[Lenvari Acuity] ") + message)) << run.output;
    EXPECT_EQ(run.FrameCount(), 1);
  }
}

TEST(VideoRun, TheChosenVideoIsKeptAndACancelledChooserKeepsTheOldOne) {
  const std::string folder = FreshFolder("videos");
  const std::string chosen = folder + "/Story Time.MP4";
  PutText(chosen, "a video");
  const std::string dir = PreparedFolder(1, folder + "/old.mp4", "");
  ProgramRunResult run = RunWell(ScriptRequest("{Ctrl+V}", dir, chosen));
  EXPECT_TRUE(Printed(run, "[Lenvari Acuity - Select Video File]")) << run.output;
  for (int n : {1, 10}) EXPECT_EQ(Setting(dir, n, "SelectedVideo$:"), chosen);
  RunWell(ScriptRequest("{Ctrl+V}", dir, "Cancel"));
  EXPECT_EQ(Setting(dir, 1, "SelectedVideo$:"), chosen);
}

TEST(VideoRun, AnOutsidePlayerGetsTheQuotedPathAndEndsWithTheNextKey) {
  // A long path with a blank in it: the whole path is one argument.
  const QString folder =
      QString::fromStdString(FreshFolder("player")) + "/a folder whose name makes the path to "
                                                      "the video longer than ninety-nine chars";
  QDir().mkpath(folder);
  const std::string video = (folder + "/clip.mp4").toStdString();
  ASSERT_GT(video.size(), 99u);
  PutText(video, "not looked at by the player");
  const std::string record = (folder + "/arguments.txt").toStdString();
  const std::string player = (folder + "/player.sh").toStdString();
  // It records its arguments one per line, then waits in a child of its own.
  std::ofstream(player) << "#!/bin/sh\n"
                        << "for a in \"$@\"; do echo \"$a\"; done > '" << record << ".part'\n"
                        << "sleep 60 &\necho $$ $! >> '" << record << ".part'\n"
                        << "mv '" << record << ".part' '" << record << "'\nwait\n";
  QFile::setPermissions(QString::fromStdString(player),
                        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

  const std::string dir = PreparedFolder(1, video, player);
  const ProgramRunResult run = RunWell(VideoRequest(dir, "v{Wait:1.5}+"));
  // The "+" that ended the player was not a size step: no frame after the first.
  EXPECT_EQ(run.FrameCount(), 1);
  std::istringstream lines(ReadText(record));
  std::string path, fullScreen;
  long long shell = 0, child = 0;
  std::getline(lines, path);
  std::getline(lines, fullScreen);
  lines >> shell >> child;
  EXPECT_EQ(Tie(path, fullScreen, Alive(shell), Alive(child)),
            Tie(video, "/fullscreen", false, false));

  // A player that does not exist: one message, and the next key is a key again.
  SetSetting(dir, "VideoPlayer$:", folder.toStdString() + "/no-player");
  const ProgramRunResult failed = RunWell(VideoRequest(dir, "v+"));
  EXPECT_TRUE(Printed(failed, "[Lenvari Acuity] The video player could not be started.")) << failed.output;
  EXPECT_EQ(failed.FrameCount(), 2);
}

TEST(VideoRun, TheProgramPlaysTheVideoOnThePatientMonitorUntilTheNextKey) {
  const QString ffmpeg = QStandardPaths::findExecutable("ffmpeg");
  if (ffmpeg.isEmpty()) GTEST_SKIP() << "ffmpeg is not installed to make a test video";
  const std::string folder = FreshFolder("clip");
  const std::string video = folder + "/red.mp4";
  // One second of solid red, 64 x 48 pixels.
  ASSERT_EQ(QProcess::execute(ffmpeg, {"-loglevel", "error", "-y", "-f", "lavfi", "-i",
                                       "color=c=red:s=64x48:d=1:r=10", "-c:v", "mpeg4",
                                       "-pix_fmt", "yuv420p", QString::fromStdString(video)}),
            0);
  const std::string dir = PreparedFolder(2, video, "");
  const ProgramRunResult run = RunWell(VideoRequest(dir, "v{Wait:0.5}+", 2));
  EXPECT_EQ(run.FrameCount(), 1);  // the "+" ended the video and nothing else
  const QJsonObject chart = run.FrameState(1);
  const QString shot = QString::fromStdString(run.framesDir) + "/video-0001";
  QFile json(shot + ".json");
  ASSERT_TRUE(json.open(QIODevice::ReadOnly)) << run.output << run.errors;
  const QJsonObject state = QJsonDocument::fromJson(json.readAll()).object();
  EXPECT_GE(state["FramesShown"].toInt(), 1);
  // The window covers exactly the patient monitor's rectangle, right of the examiner's.
  EXPECT_EQ(Tie(chart["CurrentMonitor"].toInt(), chart["MonitorRect"].toArray(),
                state["VideoWindowGeometry"].toArray()),
            Tie(2, (QJsonArray{1280, 0, 3200, 1080}), (QJsonArray{1280, 0, 1920, 1080})));
  // Red fills the picture's middle; the sides left by the aspect ratio are black.
  const QImage image(shot + ".png");
  ASSERT_FALSE(image.isNull());
  const QColor middle = image.pixelColor(image.width() / 2, image.height() / 2);
  EXPECT_TRUE(middle.red() > 200 && middle.green() < 60 && middle.blue() < 60)
      << middle.name().toStdString();
  EXPECT_EQ(image.pixelColor(10, image.height() / 2), QColor(Qt::black));

  // A video record that cannot be written ends the run as a chart frame's does.
  ExpectUnwritableRecordEndsRun(VideoRequest(dir, "v{Wait:0.5}+", 2), "video-0001");

  // A file the decoder refuses: one message, and the program goes on with the next key.
  std::ofstream(video, std::ios::binary | std::ios::trunc) << "this is no video at all";
  const ProgramRunResult refused = RunWell(VideoRequest(dir, "v+", 2));
  EXPECT_TRUE(Printed(refused, "[Lenvari Acuity] The video could not be played.")) << refused.output;
  EXPECT_EQ(refused.FrameCount(), 2);
}

}  // namespace lenvari
