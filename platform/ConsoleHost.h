#pragma once
// The examiner's control window: caption, always-on-top, an 80 x 25 text screen, message boxes,
// a one-line input box, a menu bar built from definition texts, a splash text and keystroke
// injection. Texts may carry the two-character sequences backslash-n, backslash-t and
// backslash-e, which the host expands (line break, tab before a menu key hint, line break).
//
// Program logic talks to this interface only; the Qt window behind it lives in the platform
// layer, and tests hand in a scripted stand-in.

#include <string>
#include <vector>

class QImage;

namespace lenvari {

// Message-box style flags (the standard values).
constexpr int kMbOk = 0x0;
constexpr int kMbOkCancel = 0x1;
constexpr int kMbYesNo = 0x4;
constexpr int kMbIconQuestion = 0x20;
constexpr int kMbIconExclamation = 0x30;
constexpr int kMbIconInformation = 0x40;
// The second button is the default one (Enter presses it).
constexpr int kMbDefButton2 = 0x100;
// Button identifiers returned.
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;

// A chosen menu item: the number of the menu it sits in and its command id (0: none).
struct MenuChoice {
  int menu = 0;
  int id = 0;
};

// A window's client area on the desktop in device pixels (the window manager adds its frame
// around it).
struct WindowPlace {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const WindowPlace&) const = default;
};

class ConsoleHost {
 public:
  virtual ~ConsoleHost() = default;

  virtual void InitConsoleTools(int a, int b, int c, int d, int& flag, int e) = 0;
  virtual void Console80x(int lines) = 0;
  virtual void ConsoleToolBar(int a, int b) = 0;
  virtual void ConsoleTitle(const std::string& title) = 0;
  virtual void ConsoleTopMost(int on) = 0;
  virtual void ConsoleWindow(int mode) = 0;
  virtual void ConsoleNormal() = 0;
  // Modal box; returns the button pressed (kIdOk, kIdCancel, kIdYes, kIdNo).
  virtual int ConsoleMessageBox(const std::string& message, int style, const std::string& title,
                                int flags = 0, int reserved = 0) = 0;
  // Modal box with buttons of the given captions, the first the default; returns the index of
  // the button pressed, or -1 when the box was closed without one.
  virtual int ConsoleChoice(const std::string& message, const std::string& title,
                            const std::vector<std::string>& buttons) = 0;
  // Modal one-line input; returns the text typed, or "" when cancelled.
  virtual std::string ConsoleInputBox(const std::string& prompt, const std::string& title,
                                      const std::string& defaultText) = 0;
  // Defines menu `number` from its definition text; returns 0 when the text was understood.
  virtual int MenuDefinition(int number, const std::string& definition) = 0;
  virtual void OnTimer(int a, int b) = 0;
  virtual void SplashBoxShow(const std::string& text) = 0;
  virtual void SplashBoxHide() = 0;
  // Types the keys into the window that has the focus.
  virtual void VirtualKey(const std::string& keys) = 0;

  // The 80 x 25 text screen.
  virtual void Print(const std::string& text) = 0;  // text as it stands; "\n" ends a line
  virtual void ClearScreen() = 0;
  // Gives the console window the keyboard focus. It is raised only where that cannot cover
  // the chart (when it is on another monitor than the patient's).
  virtual void BringToFront() = 0;

  // The examiner's control window stays where the examiner puts it. The program places it once
  // at start (from where it was left last time) and again only when a change of patient
  // monitor leaves it on the patient's monitor.
  virtual WindowPlace ControlWindowPlace() const = 0;
  virtual void PlaceControlWindow(const WindowPlace& place) = 0;
  // The patient monitor's device rectangle (empty while it is disconnected): the control window
  // never covers the chart there.
  virtual void SetPatientMonitor(int left, int top, int right, int bottom) = 0;
  // The compact live status of what the patient sees, always visible in the control window.
  virtual void ShowStatus(const std::string& text) = 0;

  // Keys typed into the console and not yet taken, each key's input string joined in
  // arrival order; taking them empties the buffer.
  virtual std::string TakeKeys() = 0;
  // Discards every key still waiting.
  virtual void FlushKeys() = 0;
  // Modifier state of the last key taken: count of Alt keys held, count of Ctrl keys held.
  virtual int AltDown() const = 0;
  virtual int CtrlDown() const = 0;
  // The menu items chosen and not yet taken, oldest first; taking one removes it.
  virtual MenuChoice TakeMenuChoice() = 0;
  // Chooses the item with command id `id` of menu `menu` as a click on it would (menu 0: the
  // lowest-numbered menu holding that id). False when the menu bar has no such item.
  virtual bool ChooseMenuItem(int menu, int id) = 0;
  // Hides or shows the menu bar; while it is hidden the window offers a way to show it again.
  virtual void ShowMenuBar(bool shown) = 0;
  // The phone remote's pairing: the QR code of the pairing address and a line about the phone,
  // with a button to unpair; a null image hides them.
  virtual void ShowPhonePairing(const QImage&, const std::string&) {}
  // True once after the examiner pressed Unpair.
  virtual bool TakeUnpairRequest() { return false; }
};

// Expands the host's escape sequences: backslash-n and backslash-e become line breaks,
// backslash-t a tab.
std::string ExpandConsoleText(const std::string& text);

}  // namespace lenvari
