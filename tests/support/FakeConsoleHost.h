#pragma once
// A console host for tests: message boxes and input boxes answer from a script, and every
// message shown is recorded.

#include <deque>
#include <string>
#include <vector>

#include "platform/ConsoleHost.h"

namespace lenvari {

class FakeConsoleHost : public ConsoleHost {
 public:
  struct Shown {
    std::string title, text;
    int style = 0;
  };
  std::vector<Shown> messages;         // every message box and input box shown
  std::deque<int> messageAnswers;      // button ids; empty: OK / Yes for the first button
  std::deque<std::string> inputAnswers;
  std::string printed;
  std::string keys;
  int topMost = 0;
  int frontCount = 0;
  int movedX = 0, movedY = 0;
  std::vector<std::pair<int, std::string>> menus;

  void InitConsoleTools(int, int, int, int, int& flag, int) override { flag = 0; }
  void Console80x(int) override {}
  void ConsoleToolBar(int, int) override {}
  void ConsoleTitle(const std::string&) override {}
  void ConsoleTopMost(int on) override { topMost = on; }
  void ConsoleWindow(int) override {}
  void ConsoleNormal() override {}
  int ConsoleMessageBox(const std::string& message, int style, const std::string& title, int,
                        int) override {
    messages.push_back({title, message, style});
    if (!messageAnswers.empty()) {
      const int answer = messageAnswers.front();
      messageAnswers.pop_front();
      return answer;
    }
    return (style & 0x0F) == kMbYesNo ? kIdYes : kIdOk;
  }
  std::string ConsoleInputBox(const std::string& prompt, const std::string& title,
                              const std::string&) override {
    messages.push_back({title, prompt, -1});
    if (inputAnswers.empty()) return "";
    std::string answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
  }
  int MenuDefinition(int number, const std::string& definition) override {
    menus.emplace_back(number, definition);
    return 0;
  }
  void OnTimer(int, int) override {}
  void SplashBoxShow(const std::string& text) override { printed += text; }
  void SplashBoxHide() override {}
  void VirtualKey(const std::string&) override {}
  void Print(const std::string& text) override { printed += text; }
  void ClearScreen() override {}
  void BringToFront() override { ++frontCount; }
  void MoveTo(int x, int y) override { movedX = x, movedY = y; }
  std::string TakeKeys() override {
    std::string taken;
    taken.swap(keys);
    return taken;
  }
  void FlushKeys() override { keys.clear(); }
  int AltDown() const override { return 0; }
  int CtrlDown() const override { return 0; }
  int TakeMenuCommand() override { return 0; }
};

}  // namespace lenvari
