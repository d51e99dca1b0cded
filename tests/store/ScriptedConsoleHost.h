#pragma once
// A console host for the store tests: answers input boxes from a script, presses a preset
// button in message boxes, and records every call a test may want to check.

#include <deque>
#include <string>
#include <vector>

#include "platform/ConsoleHost.h"

namespace lenvari {

struct ShownMessage {
  std::string message;
  int style = 0;
  std::string title;
};

struct AskedInput {
  std::string prompt;
  std::string title;
  std::string defaultText;
};

class ScriptedConsoleHost : public ConsoleHost {
 public:
  std::deque<std::string> answers;  // taken one per input box; "" once used up
  int messageButton = kIdOk;
  std::vector<ShownMessage> messages;
  std::vector<AskedInput> inputs;
  std::vector<std::string> calls;  // "TopMost 1", "OnTimer 0 0", "InputBox", ... in order

  void InitConsoleTools(int, int, int, int, int&, int) override {}
  void Console80x(int) override {}
  void ConsoleToolBar(int, int) override {}
  void ConsoleTitle(const std::string&) override {}
  void ConsoleTopMost(int on) override { calls.push_back("TopMost " + std::to_string(on)); }
  void ConsoleWindow(int) override {}
  void ConsoleNormal() override {}
  int ConsoleMessageBox(const std::string& message, int style, const std::string& title, int,
                        int) override {
    calls.push_back("MessageBox");
    messages.push_back({message, style, title});
    return messageButton;
  }
  std::string ConsoleInputBox(const std::string& prompt, const std::string& title,
                              const std::string& defaultText) override {
    calls.push_back("InputBox");
    inputs.push_back({prompt, title, defaultText});
    if (answers.empty()) return "";
    std::string answer = answers.front();
    answers.pop_front();
    return answer;
  }
  int MenuDefinition(int, const std::string&) override { return 0; }
  void OnTimer(int a, int b) override {
    calls.push_back("OnTimer " + std::to_string(a) + " " + std::to_string(b));
  }
  void SplashBoxShow(const std::string&) override {}
  void SplashBoxHide() override {}
  void VirtualKey(const std::string&) override {}
  void Print(const std::string&) override {}
  void ClearScreen() override {}
  void BringToFront() override {}
  void MoveTo(int, int) override {}
  std::string TakeKeys() override { return ""; }
  void FlushKeys() override {}
  int AltDown() const override { return 0; }
  int CtrlDown() const override { return 0; }
  int TakeMenuCommand() override { return 0; }
};

}  // namespace lenvari
