#pragma once
// A top-level window that shows a canvas image, placed on a desktop rectangle given in device
// pixels, and queues the keys and single clicks it receives. The chart window, the monitor
// window and the calibration window are three uses of it.

#include <memory>
#include <string>

#include "platform/KeyTranslation.h"

class QWindow;

namespace lenvari {

class Canvas;

class CanvasWindow {
 public:
  // Geometry in device pixels of the desktop (the monitor's real pixels, whatever the
  // operating system's display scaling).
  CanvasWindow(const std::string& caption, int left, int top, int width, int height,
               bool frameless);
  ~CanvasWindow();
  CanvasWindow(const CanvasWindow&) = delete;
  CanvasWindow& operator=(const CanvasWindow&) = delete;

  // A full-screen window covers its monitor as the window manager's full-screen, top-most
  // window (panels and other windows stay below it) and hides the mouse pointer after two
  // seconds without movement. Set before Show.
  void SetFullScreen(bool on);
  // A framed window keeps its whole frame on the monitor: the frame's corner goes where the
  // client area's would (the client keeps its size). Set before Show.
  void SetFrameAtCorner(bool on);
  // A window shown without activating leaves the keyboard focus where it is (a click on it
  // still gives it the focus). Set before Show.
  void SetShowWithoutActivating(bool on);
  void Show();
  void Close();
  // Takes the window off the screen without closing it (it still exists, keeps its keys and its
  // image); Show brings it back.
  void Hide();
  bool Shown() const;
  // False once the window has been closed, by the program or by the user.
  bool Exists() const;
  void MoveTo(int left, int top);
  // A new client size in device pixels; the window stays where it stands, even if it was moved
  // since it was placed.
  void Resize(int width, int height);
  void SetTopMost(bool on);
  void Activate();
  // Device-pixel geometry as placed.
  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;

  // Where the window system actually put the window, in device pixels: left, top, width,
  // height.
  void ActualGeometry(int& left, int& top, int& width, int& height) const;

  // Shows the canvas's image, one image pixel on one device pixel. Only what the canvas
  // changed since the last present is sent to the window system; the window reads the
  // canvas's image in place, so it shows nothing once the canvas is gone.
  void Present(Canvas& canvas);

  // Every key received since the last call, each key's input string joined in arrival order.
  std::string TakeKeys();
  bool HasKeys() const;
  // Modifier state of the last key taken: Alt keys held, Ctrl keys held (0 or 1 here).
  int AltDown() const;
  int CtrlDown() const;
  // The last single click (not a double click) since the last call, in window pixels.
  bool TakeClick(double& x, double& y);

  // Delivers a key or a click to the window as the window system would.
  void InjectKey(const KeyPress& key);
  void InjectClick(double x, double y);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// For a question over a full-screen canvas window on a one-monitor wlroots compositor, which
// never gives the keyboard to a window above a full-screen one: the canvas window shown as
// `window`, when it asked for full screen, leaves it and this waits (each step bounded) until
// the compositor confirms it is out and stays out. It stays out, a full-screen report being
// answered by leaving again, until ReturnCanvasWindowsToFullScreen. Nothing for another window.
void StepOutOfFullScreenFor(QWindow* window);
// Every canvas window that stepped out of full screen for questions takes it again.
void ReturnCanvasWindowsToFullScreen();

}  // namespace lenvari
