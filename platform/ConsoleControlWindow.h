#pragma once
// The examiner's control window itself: its caption and place, the live status of the chart,
// the keys typed into it, and the phone remote's pairing code.

#include <string>

class QImage;

namespace lenvari {

// A window's client area on the desktop in device pixels (the window manager adds its frame
// around it).
struct WindowPlace {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const WindowPlace&) const = default;
};

class ConsoleControlWindow {
 public:
  virtual ~ConsoleControlWindow() = default;

  virtual void ConsoleTitle(const std::string& title) = 0;
  // Shows the window where it stands when it is hidden (a window the examiner closed comes
  // back); never moves or raises it.
  virtual void ShowControlWindow() = 0;
  // Gives the window the keyboard focus. It is raised only where that cannot cover the chart
  // (when it is on another monitor than the patient's).
  virtual void BringToFront() = 0;

  // The window stays where the examiner puts it. The program places it once at start (from
  // where it was left last time) and again only when a change of patient monitor leaves it on
  // the patient's monitor.
  virtual WindowPlace ControlWindowPlace() const = 0;
  virtual void PlaceControlWindow(const WindowPlace& place) = 0;
  // The patient monitor's device rectangle (empty while it is disconnected): the window never
  // covers the chart there.
  virtual void SetPatientMonitor(int left, int top, int right, int bottom) = 0;
  // The compact live status of what the patient sees, always visible in the window.
  virtual void ShowStatus(const std::string& text) = 0;

  // Keys typed into the window and not yet taken, each key's input string joined in arrival
  // order; taking them empties the buffer.
  virtual std::string TakeKeys() = 0;
  // Discards every key still waiting.
  virtual void FlushKeys() = 0;
  // Modifier state of the last key taken: count of Alt keys held, count of Ctrl keys held.
  virtual int AltDown() const = 0;
  virtual int CtrlDown() const = 0;

  // The phone remote's pairing: the QR code of the pairing address and a line about the phone,
  // with a button to unpair; a null image hides them.
  virtual void ShowPhonePairing(const QImage& code, const std::string& text) = 0;
  // True once after the examiner pressed Unpair.
  virtual bool TakeUnpairRequest() = 0;
};

}  // namespace lenvari
