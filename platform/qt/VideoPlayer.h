#pragma once
// Video playback for the patient monitor: a file played full screen in this program's own
// window, or an outside player program this program started and ends again.

#include <memory>
#include <string>
#include <vector>

namespace lenvari {

class CanvasWindow;

// A frameless, top-most window covering a desktop rectangle that plays one video file over and
// over until it is stopped. Keys and clicks it receives are handed on to the window it covers,
// so the input wait sees them as if that window had them.
class VideoScreen {
 public:
  VideoScreen();
  ~VideoScreen();
  VideoScreen(const VideoScreen&) = delete;
  VideoScreen& operator=(const VideoScreen&) = delete;

  // Opens the window on the rectangle (device pixels) and starts `path`. Returns once the
  // first picture is on the screen, or false with `error` set when the file cannot be decoded
  // (the window is then closed again).
  bool Play(const std::string& path, int left, int top, int width, int height,
            CanvasWindow* covered, std::string& error);
  void Stop();

  int FramesShown() const;
  // Where the window system put the window, device pixels: left, top, width, height.
  void ActualGeometry(int& left, int& top, int& width, int& height) const;
  // The window's picture as shown now (PNG), for a run's frame files.
  bool SaveShot(const std::string& pngPath) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// An outside program this program started and owns: ending it ends it and every process it
// started in turn.
class ChildProgram {
 public:
  ChildProgram();
  ~ChildProgram();  // ends the program if it still runs
  ChildProgram(const ChildProgram&) = delete;
  ChildProgram& operator=(const ChildProgram&) = delete;

  // Starts `program` with the arguments (each one argument, no quoting needed) without
  // waiting for it to finish. False with `error` set when it could not be started.
  bool Start(const std::string& program, const std::vector<std::string>& arguments,
             std::string& error);
  // Asks the program to end, and ends it after `graceMilliseconds` if it has not.
  void End(int graceMilliseconds = 1500);
  bool Running() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace lenvari
