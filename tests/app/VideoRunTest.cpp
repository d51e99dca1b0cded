// The fixation video through the real program: its two messages, an outside player started
// and ended again, and the program's own full-screen playback on the patient monitor.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>

#include <fstream>
#include <sstream>

#include "support/ProgramRun.h"

namespace lenvari {
namespace {

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Replaces the value line after `key` in every monitor's settings file of the data folder
// (the video settings are the program's, written to each of them).
void SetSetting(const std::string& dataDir, const std::string& key, const std::string& value) {
  for (int n = 1; n <= 10; ++n) {
    const std::string path = dataDir + "/" + std::to_string(n) + "lvconfig.cfg";
    std::string text = ReadText(path);
    const size_t at = text.find(key + "\r\n");
    ASSERT_NE(at, std::string::npos) << key;
    const size_t start = at + key.size() + 2;
    const size_t end = text.find("\r\n", start);
    text.replace(start, end - start, value);
    std::ofstream(path, std::ios::binary) << text;
  }
}

// A data folder that has been through one start, with the video settings given.
std::string PreparedFolder(const std::string& tag, const std::string& screens, int monitor,
                           const std::string& video, const std::string& player) {
  ProgramRunRequest request;
  request.dataDir = FreshFolder(tag);
  request.screens = screens;
  request.currentMonitor = monitor;
  request.keys = "";
  const ProgramRunResult first = RunProgram(request);
  EXPECT_EQ(first.exitCode, 0) << first.errors;
  if (monitor != 1) {
    // The first run has written the monitor data; its first line is the patient monitor.
    QFile data(QString::fromStdString(request.dataDir + "/lvmonitordata.cfg"));
    EXPECT_TRUE(data.open(QIODevice::ReadWrite));
    data.write((" " + std::to_string(monitor) + " ").c_str());
  }
  SetSetting(request.dataDir, "SelectedVideo$:", video);
  SetSetting(request.dataDir, "VideoPlayer$:", player);
  return request.dataDir;
}

ProgramRunResult RunWith(const std::string& dataDir, const std::string& keys,
                     const std::string& screens = "one-monitor.json", int monitor = 1) {
  ProgramRunRequest request;
  request.dataDir = dataDir;
  request.keys = keys;
  request.screens = screens;
  request.currentMonitor = monitor;
  return RunProgram(request);
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
  std::string dir = PreparedFolder("none", "one-monitor.json", 1, "", "");
  ProgramRunResult run = RunWith(dir, "v");
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_NE(run.output.find("[Lenvari Acuity] No Video has been selected. Please choose a video "
                            "using the configuration menu.\n"),
            std::string::npos)
      << run.output;
  EXPECT_EQ(run.FrameCount(), 1);

  dir = PreparedFolder("gone", "one-monitor.json", 1, "/tmp/lenvari-no-such-video.mp4", "");
  run = RunWith(dir, "v");
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_NE(run.output.find("[Lenvari Acuity] Video file not found. Please choose a video using "
                            "the configuration menu.\n"),
            std::string::npos)
      << run.output;
  EXPECT_EQ(run.FrameCount(), 1);
}

TEST(VideoRun, TheChosenVideoIsKeptAndACancelledChooserKeepsTheOldOne) {
  const std::string folder = FreshFolder("videos");
  const std::string chosen = folder + "/Story Time.MP4";
  std::ofstream(chosen) << "a video";
  const std::string dir = PreparedFolder("data", "one-monitor.json", 1, folder + "/old.mp4", "");
  ProgramRunRequest request;
  request.dataDir = dir;
  request.keys = "{Ctrl+V}";
  request.answers = chosen;
  request.hasAnswers = true;
  ProgramRunResult run = RunProgram(request);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_NE(run.output.find("[Lenvari Acuity - Select Video File]"), std::string::npos)
      << run.output;
  for (int n : {1, 10})
    EXPECT_NE(ReadText(dir + "/" + std::to_string(n) + "lvconfig.cfg")
                  .find("SelectedVideo$:\r\n" + chosen + "\r\n"),
              std::string::npos);
  request.answers = "Cancel";
  run = RunProgram(request);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_NE(ReadText(dir + "/1lvconfig.cfg").find("SelectedVideo$:\r\n" + chosen + "\r\n"),
            std::string::npos);
}

TEST(VideoRun, AnOutsidePlayerGetsTheQuotedPathAndEndsWithTheNextKey) {
  // A long path with a blank in it: the whole path is one argument.
  const QString folder =
      QString::fromStdString(FreshFolder("player")) + "/a folder whose name makes the path to "
                                                      "the video longer than ninety-nine chars";
  QDir().mkpath(folder);
  const std::string video = (folder + "/clip.mp4").toStdString();
  ASSERT_GT(video.size(), 99u);
  std::ofstream(video) << "not looked at by the player";
  const std::string record = (folder + "/arguments.txt").toStdString();
  const std::string player = (folder + "/player.sh").toStdString();
  // It records its arguments one per line, then waits in a child of its own.
  std::ofstream(player) << "#!/bin/sh\n"
                        << "for a in \"$@\"; do echo \"$a\"; done > '" << record << ".part'\n"
                        << "sleep 60 &\necho $$ $! >> '" << record << ".part'\n"
                        << "mv '" << record << ".part' '" << record << "'\nwait\n";
  QFile::setPermissions(QString::fromStdString(player),
                        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

  const std::string dir = PreparedFolder("data", "one-monitor.json", 1, video, player);
  const ProgramRunResult run = RunWith(dir, "v{Wait:1.5}+");
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  // The "+" that ended the player was not a size step: no frame after the first.
  EXPECT_EQ(run.FrameCount(), 1);
  std::istringstream lines(ReadText(record));
  std::string path, fullScreen;
  long long shell = 0, child = 0;
  std::getline(lines, path);
  std::getline(lines, fullScreen);
  lines >> shell >> child;
  EXPECT_EQ(path, video);
  EXPECT_EQ(fullScreen, "/fullscreen");
  EXPECT_FALSE(Alive(shell));
  EXPECT_FALSE(Alive(child));

  // A player that does not exist: one message, and the next key is a key again.
  SetSetting(dir, "VideoPlayer$:", folder.toStdString() + "/no-player");
  const ProgramRunResult failed = RunWith(dir, "v+");
  ASSERT_EQ(failed.exitCode, 0) << failed.errors;
  EXPECT_NE(failed.output.find("[Lenvari Acuity] The video player could not be started."),
            std::string::npos)
      << failed.output;
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
  const std::string dir = PreparedFolder("data", "two-monitors.json", 2, video, "");
  const ProgramRunResult run = RunWith(dir, "v{Wait:0.5}+", "two-monitors.json", 2);
  ASSERT_EQ(run.exitCode, 0) << run.errors << run.output;
  EXPECT_EQ(run.FrameCount(), 1);  // the "+" ended the video and nothing else
  const QJsonObject chart = run.FrameState(1);
  const QString shot = QString::fromStdString(run.framesDir) + "/video-0001";
  QFile json(shot + ".json");
  ASSERT_TRUE(json.open(QIODevice::ReadOnly)) << run.output << run.errors;
  const QJsonObject state = QJsonDocument::fromJson(json.readAll()).object();
  EXPECT_GE(state["FramesShown"].toInt(), 1);
  // The window covers exactly the patient monitor's rectangle, right of the examiner's.
  EXPECT_EQ(chart["CurrentMonitor"].toInt(), 2);
  const QJsonArray rect = chart["MonitorRect"].toArray();
  EXPECT_EQ(rect[0].toInt(), 1280);
  const QJsonArray window = state["VideoWindowGeometry"].toArray();
  ASSERT_EQ(rect.size(), 4);
  EXPECT_EQ(window[0].toInt(), rect[0].toInt());
  EXPECT_EQ(window[1].toInt(), rect[1].toInt());
  EXPECT_EQ(window[2].toInt(), rect[2].toInt() - rect[0].toInt());
  EXPECT_EQ(window[3].toInt(), rect[3].toInt() - rect[1].toInt());
  // Red fills the picture's middle; the sides left by the aspect ratio are black.
  const QImage image(shot + ".png");
  ASSERT_FALSE(image.isNull());
  const QColor middle = image.pixelColor(image.width() / 2, image.height() / 2);
  EXPECT_GT(middle.red(), 200);
  EXPECT_LT(middle.green(), 60);
  EXPECT_LT(middle.blue(), 60);
  EXPECT_EQ(image.pixelColor(10, image.height() / 2), QColor(Qt::black));

  // A file the decoder refuses: one message, and the program goes on with the next key.
  std::ofstream(video, std::ios::binary | std::ios::trunc) << "this is no video at all";
  const ProgramRunResult refused = RunWith(dir, "v+", "two-monitors.json", 2);
  ASSERT_EQ(refused.exitCode, 0) << refused.errors;
  EXPECT_NE(refused.output.find("[Lenvari Acuity] The video could not be played."),
            std::string::npos)
      << refused.output;
  EXPECT_EQ(refused.FrameCount(), 2);
}

}  // namespace lenvari
