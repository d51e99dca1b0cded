#pragma once
// The control window's modal boxes: message boxes, a choice among named buttons, a one-line
// input box, and the About splash. Texts may carry the host's escape sequences
// (`ExpandConsoleText`). Every box is placed on the examiner's monitor, above the chart.

#include <string>
#include <vector>

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

class ConsoleBoxes {
 public:
  virtual ~ConsoleBoxes() = default;

  // Modal box; returns the button pressed (kIdOk, kIdCancel, kIdYes, kIdNo).
  virtual int ConsoleMessageBox(const std::string& message, int style,
                                const std::string& title) = 0;
  // Modal box with buttons of the given captions, the first the default; returns the index of
  // the button pressed, or -1 when the box was closed without one.
  virtual int ConsoleChoice(const std::string& message, const std::string& title,
                            const std::vector<std::string>& buttons) = 0;
  // Modal one-line input; returns the text typed, or "" when cancelled.
  virtual std::string ConsoleInputBox(const std::string& prompt, const std::string& title,
                                      const std::string& defaultText) = 0;
  // The About text over everything until it is hidden (or a modal box opens).
  virtual void SplashBoxShow(const std::string& text) = 0;
  virtual void SplashBoxHide() = 0;
};

}  // namespace lenvari
