#include "app/commands/VideoCommands.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <filesystem>

#include "app/loop/FrameOutput.h"
#include "app/loop/WaitForInput.h"
#include "app/examiner/FileSelection.h"
#include "platform/qt/VideoPlayer.h"
#include "store/DataFolder.h"

namespace lenvari {
namespace {

constexpr const char* kTitle = "Lenvari Acuity";
constexpr const char* kNoVideo =
    "No Video has been selected.\\n\\nPlease choose a video using the configuration menu.";
constexpr const char* kVideoNotFound =
    "Video file not found.\\n\\nPlease choose a video using the configuration menu.";
constexpr int kSystemModal = 0x1000;
// The player's own argument that asks it to fill the screen.
constexpr const char* kFullScreenArgument = "/fullscreen";

// The first picture of the video in a --frames run: video-NNNN.png and video-NNNN.json with
// the window's place on the desktop.
void WriteVideoShot(ProgramContext& context, const VideoScreen& screen) {
  if (context.options.framesDir.empty()) return;
  RecordFrame(
      context.options.framesDir, "video", context.framesWritten.video,
      [&screen](const std::string& path) { return screen.SaveShot(path); },
      [&] {
        int left = 0, top = 0, width = 0, height = 0;
        screen.ActualGeometry(left, top, width, height);
        QJsonObject o;
        o["VideoWindowGeometry"] = QJsonArray{left, top, width, height};
        o["FramesShown"] = screen.FramesShown();
        o["SelectedVideo"] = QString::fromStdString(context.state.settings.SelectedVideo);
        return QJsonDocument(o).toJson(QJsonDocument::Indented).toStdString();
      });
}

void PlayInOwnWindow(ProgramContext& context, const std::string& video) {
  const Monitors& monitors = context.state.monitors;
  const auto& rect = monitors.MonitorRect[monitors.CurrentMonitor];
  VideoScreen screen;
  std::string error;
  if (!screen.Play(video, rect[1], rect[2], rect[3] - rect[1], rect[4] - rect[2],
                   context.chartWindow.get(), error)) {
    context.console.ConsoleMessageBox(
        "The video could not be played.\\n\\n" + video + "\\n\\n" + error,
        kMbOk | kMbIconExclamation, kTitle);
    return;
  }
  WriteVideoShot(context, screen);
  WaitForInput(context);  // any input ends the video and is used up by it
  screen.Stop();
}

void PlayWithPlayer(ProgramContext& context, const std::string& video) {
  const std::string& program = context.state.settings.VideoPlayer;
  ChildProgram player;
  std::string error;
  if (!player.Start(program, {video, kFullScreenArgument}, error)) {
    context.console.ConsoleMessageBox(
        "The video player could not be started.\\n\\n" + program + "\\n\\n" + error,
        kMbOk | kMbIconExclamation, kTitle);
    return;
  }
  context.console.BringToFront();
  WaitForInput(context);
  player.End();
}

}  // namespace

void PlaySelectedVideo(ProgramContext& context) {
  const std::string video = context.state.settings.SelectedVideo;
  if (video.empty()) {
    context.console.ConsoleMessageBox(kNoVideo, kSystemModal | kMbIconInformation, kTitle);
    return;
  }
  std::error_code failed;
  if (!std::filesystem::exists(video, failed)) {
    context.console.ConsoleMessageBox(kVideoNotFound, kMbIconInformation, kTitle);
    return;
  }
  if (context.state.settings.VideoPlayer.empty()) {
    PlayInOwnWindow(context, video);
  } else {
    PlayWithPlayer(context, video);
  }
}

std::string SelectVideo(ProgramContext& context) {
  const std::filesystem::path current(context.state.settings.SelectedVideo);
  std::string folder = current.parent_path().string();
  std::string file = current.filename().string();
  return SELECTVIDEO(folder, file);
}

}  // namespace lenvari
