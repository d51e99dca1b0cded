#pragma once
// The control window's parts, shared by the files of `QtConsoleHost` (one file per job: the
// window, the modal boxes, the text screen, the menu bar). Not for use outside them.

#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>

#include <deque>
#include <map>
#include <vector>

#include "platform/qt/KeyQueue.h"
#include "platform/MenuDefinitionText.h"
#include "platform/qt/ModalPlacer.h"
#include "platform/qt/PhonePairingPanel.h"
#include "platform/qt/QtConsoleHost.h"

class QMenu;
class QMenuBar;

namespace lenvari {

// The text screen: typed keys go to the input queue, not into the text.
class TextScreenView : public QPlainTextEdit {
 public:
  explicit TextScreenView(KeyQueue& queue) : queue_(queue) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override { queue_.Receive(*event); }
  // Tab must reach the queue, not move the focus.
  bool focusNextPrevChild(bool) override { return false; }

 private:
  KeyQueue& queue_;
};

// The control window's body: it takes the keyboard focus, so keys typed while the text screen
// is hidden reach the queue as well.
class KeyPanel : public QWidget {
 public:
  KeyQueue queue;
  KeyPanel() { setFocusPolicy(Qt::StrongFocus); }

 protected:
  void keyPressEvent(QKeyEvent* event) override { queue.Receive(*event); }
  bool focusNextPrevChild(bool) override { return false; }
};

struct QtConsoleHost::Impl {
  QMainWindow window;
  KeyPanel* panel = nullptr;
  QLabel* status = nullptr;
  PhonePairingPanel* phonePairing = nullptr;
  TextScreenView* screen = nullptr;
  QLabel* splash = nullptr;
  ModalPlacer placer;
  std::map<int, std::vector<MenuItemDefinition>> menus;
  struct PlacedAction {
    int menu, id;
    QAction* action;
  };
  std::vector<PlacedAction> actions;  // every command item on the bar, in build order
  std::deque<MenuChoice> chosen;
  QAction* showMenuBar = nullptr;     // the text screen's way back to a hidden menu bar
  int patientLeft = 0, patientTop = 0, patientRight = 0, patientBottom = 0;
  QSize sizeBeforeText;  // the examiner's size while the text screen enlarges the window

  // The window (QtConsoleHost.cpp).
  QRect ExaminerScreen() const;
  QWindow* ExaminerSees();
  void GiveKeysToChart();
  bool SharesPatientMonitor() const;

  // The text screen (QtConsoleTextScreen.cpp).
  void ShowTextScreen();
  void HideTextScreen();

  // The menu bar (QtConsoleMenuBar.cpp).
  void RebuildMenuBar();
  void AddItem(QMenuBar* bar, QMenu* menu, int number, const MenuItemDefinition& item,
               int depth);
  bool AddColumnItems(QMenu* menu, int number, const std::vector<MenuItemDefinition>& items);
  void Connect(QAction* action, int number, int id);
  void KeepMenusAndStatusShown();
  void SetMenuBarShown(bool shown);
};

}  // namespace lenvari
