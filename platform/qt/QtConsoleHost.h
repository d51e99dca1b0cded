#pragma once
// The console host as a Qt main window: the examiner's control window. It shows the menu bar, a
// compact live status of the chart and, while a text screen is printed, the 80 x 25 text
// screen. It places every modal window the program opens (message boxes, input boxes, the
// dialog library's dialogs) centred on the examiner's monitor, above the chart, wide enough for
// its title, with only a close button in its frame.

#include <memory>

class QMainWindow;

#include "platform/ConsoleHost.h"

namespace lenvari {

class QtConsoleHost : public ConsoleHost {
 public:
  QtConsoleHost();
  ~QtConsoleHost() override;

  // Modal boxes (QtConsoleBoxes.cpp).
  int ConsoleMessageBox(const std::string& message, int style, const std::string& title) override;
  int ConsoleChoice(const std::string& message, const std::string& title,
                    const std::vector<std::string>& buttons) override;
  std::string ConsoleInputBox(const std::string& prompt, const std::string& title,
                              const std::string& defaultText) override;
  void SplashBoxShow(const std::string& text) override;
  void SplashBoxHide() override;

  // The text screen (QtConsoleTextScreen.cpp).
  void Console80x(int lines) override;
  void Print(const std::string& text) override;
  void ClearScreen() override;

  // The menu bar (QtConsoleMenuBar.cpp).
  int MenuDefinition(int number, const std::string& definition) override;
  MenuChoice TakeMenuChoice() override;
  bool ChooseMenuItem(int menu, int id) override;
  void ShowMenuBar(bool shown) override;

  // The window itself (QtConsoleHost.cpp).
  void ConsoleTitle(const std::string& title) override;
  void ShowControlWindow() override;
  void BringToFront() override;
  WindowPlace ControlWindowPlace() const override;
  void PlaceControlWindow(const WindowPlace& place) override;
  void SetPatientMonitor(int left, int top, int right, int bottom) override;
  void ShowStatus(const std::string& text) override;
  std::string TakeKeys() override;
  void FlushKeys() override;
  int AltDown() const override;
  int CtrlDown() const override;
  void ShowPhonePairing(const QImage& code, const std::string& text) override;
  bool TakeUnpairRequest() override;

  // What the window shows, for tests: the live status line.
  std::string StatusText() const;
  // The control window itself (for tests that look at it or open its menus).
  QMainWindow& Window();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace lenvari
