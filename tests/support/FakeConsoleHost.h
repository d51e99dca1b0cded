#pragma once
// A console host for tests: message boxes and input boxes answer from a script, and every
// call a test may want to check is recorded in order.

#include <deque>
#include <string>
#include <vector>

#include "platform/ConsoleHost.h"

namespace lenvari {

class FakeConsoleHost : public ConsoleHost {
 public:
  struct Shown {
    std::string title, message;
    int style = 0;
  };
  struct Asked {
    std::string prompt, title, defaultText;
  };
  std::vector<Shown> messages;         // every message box shown
  std::vector<Asked> inputs;           // every input box shown
  // "MessageBox <title>", "InputBox", "Front", in order; a test
  // may point this at a log of its own to interleave other events.
  std::vector<std::string> ownCalls;
  std::vector<std::string>* calls = &ownCalls;
  // One answer per box; once used up, each box takes its default as Enter would: its default
  // button (the second with kMbDefButton2), the default text of an input box.
  std::deque<int> messageAnswers;        // button ids
  std::deque<std::string> inputAnswers;
  std::string printed;
  std::string keys;                    // typed into the console, taken by the input wait
  WindowPlace place;
  int placements = 0;                  // calls of PlaceControlWindow
  std::string status;                  // the last live status shown
  std::vector<std::pair<int, std::string>> menus;

  // Modal boxes.
  int ConsoleMessageBox(const std::string& message, int style,
                        const std::string& title) override {
    calls->push_back("MessageBox " + title);
    messages.push_back({title, message, style});
    if (!messageAnswers.empty()) {
      const int answer = messageAnswers.front();
      messageAnswers.pop_front();
      return answer;
    }
    const bool second = (style & kMbDefButton2) != 0;
    if ((style & 0x0F) == kMbYesNo) return second ? kIdNo : kIdYes;
    if ((style & 0x0F) == kMbOkCancel) return second ? kIdCancel : kIdOk;
    return kIdOk;
  }
  int ConsoleChoice(const std::string& message, const std::string& title,
                    const std::vector<std::string>&) override {
    calls->push_back("MessageBox " + title);
    messages.push_back({title, message, 0});
    return 0;  // the first button
  }
  std::string ConsoleInputBox(const std::string& prompt, const std::string& title,
                              const std::string& defaultText) override {
    calls->push_back("InputBox");
    inputs.push_back({prompt, title, defaultText});
    if (inputAnswers.empty()) return defaultText;
    std::string answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
  }
  void SplashBoxShow(const std::string& text) override { printed += text; }
  void SplashBoxHide() override {}

  // The text screen.
  void Console80x(int) override {}
  void Print(const std::string& text) override { printed += text; }
  void ClearScreen() override {}

  // The menu bar. No menu item is ever chosen: the tests that choose them run the real program.
  int MenuDefinition(int number, const std::string& definition) override {
    menus.emplace_back(number, definition);
    return 0;
  }
  MenuChoice TakeMenuChoice() override { return {}; }
  bool ChooseMenuItem(int, int) override { return false; }
  void ShowMenuBar(bool) override {}

  // The window.
  void ConsoleTitle(const std::string&) override {}
  void ShowControlWindow() override {}
  void BringToFront() override { calls->push_back("Front"); }
  WindowPlace ControlWindowPlace() const override { return place; }
  void PlaceControlWindow(const WindowPlace& p) override { place = p, ++placements; }
  void SetPatientMonitor(int, int, int, int) override {}
  void ShowStatus(const std::string& text) override { status = text; }
  std::string TakeKeys() override {
    std::string taken;
    taken.swap(keys);
    return taken;
  }
  void FlushKeys() override { keys.clear(); }
  int AltDown() const override { return 0; }
  int CtrlDown() const override { return 0; }
  void ShowPhonePairing(const QImage&, const std::string&) override {}
  bool TakeUnpairRequest() override { return false; }
};

}  // namespace lenvari
