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
  // "TopMost 1", "MessageBox <title>", "InputBox", "OnTimer 0 0", "Front", in order; a test
  // may point this at a log of its own to interleave other events.
  std::vector<std::string> ownCalls;
  std::vector<std::string>* calls = &ownCalls;
  std::deque<int> messageAnswers;      // button ids, one per box; then `messageButton`
  int messageButton = 0;               // 0: OK, or Yes for a Yes/No box
  std::deque<std::string> inputAnswers;  // one per input box; "" once used up
  std::string printed;
  std::string keys;                    // typed into the console, taken by the input wait
  int topMost = 0;
  WindowPlace place;
  int placements = 0;                  // calls of PlaceControlWindow
  std::string status;                  // the last live status shown
  std::vector<std::pair<int, std::string>> menus;

  void InitConsoleTools(int, int, int, int, int& flag, int) override { flag = 0; }
  void Console80x(int) override {}
  void ConsoleToolBar(int, int) override {}
  void ConsoleTitle(const std::string&) override {}
  void ConsoleTopMost(int on) override {
    topMost = on;
    calls->push_back("TopMost " + std::to_string(on));
  }
  void ConsoleWindow(int) override {}
  void ConsoleNormal() override {}
  int ConsoleMessageBox(const std::string& message, int style, const std::string& title, int,
                        int) override {
    calls->push_back("MessageBox " + title);
    messages.push_back({title, message, style});
    if (!messageAnswers.empty()) {
      const int answer = messageAnswers.front();
      messageAnswers.pop_front();
      return answer;
    }
    if (messageButton != 0) return messageButton;
    return (style & 0x0F) == kMbYesNo ? kIdYes : kIdOk;
  }
  std::deque<int> choiceAnswers;       // button indexes, one per choice box; then 0
  int ConsoleChoice(const std::string& message, const std::string& title,
                    const std::vector<std::string>&) override {
    calls->push_back("MessageBox " + title);
    messages.push_back({title, message, 0});
    if (choiceAnswers.empty()) return 0;
    const int answer = choiceAnswers.front();
    choiceAnswers.pop_front();
    return answer;
  }
  std::string ConsoleInputBox(const std::string& prompt, const std::string& title,
                              const std::string& defaultText) override {
    calls->push_back("InputBox");
    inputs.push_back({prompt, title, defaultText});
    if (inputAnswers.empty()) return "";
    std::string answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
  }
  int MenuDefinition(int number, const std::string& definition) override {
    menus.emplace_back(number, definition);
    return 0;
  }
  void OnTimer(int a, int b) override {
    calls->push_back("OnTimer " + std::to_string(a) + " " + std::to_string(b));
  }
  void SplashBoxShow(const std::string& text) override { printed += text; }
  void SplashBoxHide() override {}
  void VirtualKey(const std::string&) override {}
  void Print(const std::string& text) override { printed += text; }
  void ClearScreen() override {}
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
  // Menu items are chosen by number alone: any id of a defined menu text counts.
  std::deque<MenuChoice> chosenMenuItems;
  bool menuBarShown = true;
  MenuChoice TakeMenuChoice() override {
    if (chosenMenuItems.empty()) return {};
    const MenuChoice choice = chosenMenuItems.front();
    chosenMenuItems.pop_front();
    return choice;
  }
  bool ChooseMenuItem(int menu, int id) override {
    for (const auto& [number, text] : menus) {
      if (menu != 0 && number != menu) continue;
      const std::string mark = "=" + std::to_string(id);
      for (size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + 1)) {
        const size_t end = at + mark.size();
        if (end == text.size() || text[end] == '|' || text[end] == '-') {
          chosenMenuItems.push_back({number, id});
          return true;
        }
      }
    }
    return false;
  }
  void ShowMenuBar(bool shown) override { menuBarShown = shown; }
};

}  // namespace lenvari
