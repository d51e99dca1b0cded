#pragma once
// The console host as a Qt main window: the examiner's control window.

#include <memory>

class QMainWindow;

#include "platform/ConsoleHost.h"

namespace lenvari {

class QtConsoleHost : public ConsoleHost {
 public:
  QtConsoleHost();
  ~QtConsoleHost() override;

  void InitConsoleTools(int a, int b, int c, int d, int& flag, int e) override;
  void Console80x(int lines) override;
  void ConsoleToolBar(int a, int b) override;
  void ConsoleTitle(const std::string& title) override;
  void ConsoleTopMost(int on) override;
  void ConsoleWindow(int mode) override;
  void ConsoleNormal() override;
  int ConsoleMessageBox(const std::string& message, int style, const std::string& title,
                        int flags, int reserved) override;
  std::string ConsoleInputBox(const std::string& prompt, const std::string& title,
                              const std::string& defaultText) override;
  int MenuDefinition(int number, const std::string& definition) override;
  void OnTimer(int a, int b) override;
  void SplashBoxShow(const std::string& text) override;
  void SplashBoxHide() override;
  void VirtualKey(const std::string& keys) override;
  void Print(const std::string& text) override;
  void ClearScreen() override;
  void BringToFront() override;
  void MoveTo(int x, int y) override;
  std::string TakeKeys() override;
  void FlushKeys() override;
  int AltDown() const override;
  int CtrlDown() const override;
  MenuChoice TakeMenuChoice() override;
  bool ChooseMenuItem(int menu, int id) override;
  void ShowMenuBar(bool shown) override;

  // The text screen's current content (for tests).
  std::string ScreenText() const;
  // The control window itself (for tests that look at it or open its menus).
  QMainWindow& Window();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace lenvari
