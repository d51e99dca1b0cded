#include "platform/QtConsoleHost.h"

#include <QApplication>
#include <QFontDatabase>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cstdio>
#include <deque>
#include <map>

#include "platform/DesktopPixels.h"
#include "platform/KeyQueue.h"
#include "platform/KeyTranslation.h"
#include "platform/MenuDefinitionText.h"

namespace lenvari {
namespace {

// The text screen: typed keys go to the input queue, not into the text.
class TextScreen : public QPlainTextEdit {
 public:
  KeyQueue queue;

 protected:
  void keyPressEvent(QKeyEvent* event) override { queue.Receive(*event); }
  // Tab must reach the queue, not move the focus.
  bool focusNextPrevChild(bool) override { return false; }
};

QMessageBox::Icon IconOf(int style) {
  switch (style & 0xF0) {
    case 0x10: return QMessageBox::Critical;
    case 0x20: return QMessageBox::Question;
    case 0x30: return QMessageBox::Warning;
    case 0x40: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

}  // namespace

struct QtConsoleHost::Impl {
  QMainWindow window;
  TextScreen* screen = nullptr;
  QLabel* splash = nullptr;
  std::map<int, std::vector<MenuItemDefinition>> menus;
  struct PlacedAction {
    int menu, id;
    QAction* action;
  };
  std::vector<PlacedAction> actions;  // every command item on the bar, in build order
  std::deque<MenuChoice> chosen;
  QAction* showMenuBar = nullptr;     // the text screen's way back to a hidden menu bar

  void RebuildMenuBar() {
    QMenuBar* bar = window.menuBar();
    bar->clear();
    actions.clear();
    auto bar1 = menus.find(1);
    if (bar1 == menus.end()) return;
    for (const auto& item : bar1->second) AddItem(bar, nullptr, 1, item, 0);
  }

  void AddItem(QMenuBar* bar, QMenu* menu, int number, const MenuItemDefinition& item,
               int depth) {
    using Kind = MenuItemDefinition::Kind;
    const QString label = QString::fromStdString(item.text) +
                          (item.hint.empty() ? "" : "\t" + QString::fromStdString(item.hint));
    if (item.kind == Kind::Separator) {
      if (menu) menu->addSeparator();
      return;
    }
    if (item.kind == Kind::ColumnBreak) return;  // Qt lays out long menus in columns itself
    if (item.kind == Kind::Submenu) {
      QMenu* sub = menu ? menu->addMenu(label) : bar->addMenu(label);
      auto found = menus.find(item.number);
      if (found != menus.end() && depth < 8)
        for (const auto& child : found->second)
          AddItem(nullptr, sub, item.number, child, depth + 1);
      return;
    }
    QAction* action = menu ? menu->addAction(label) : bar->addAction(label);
    const int id = item.number;
    // The same id may sit in two menus, so the choice keeps the menu it was made in.
    QObject::connect(action, &QAction::triggered,
                     [this, number, id] { chosen.push_back({number, id}); });
    actions.push_back({number, id, action});
  }

  void SetMenuBarShown(bool shown) {
    window.menuBar()->setVisible(shown);
    showMenuBar->setVisible(!shown);
  }
};

QtConsoleHost::QtConsoleHost() : impl_(std::make_unique<Impl>()) {
  impl_->screen = new TextScreen;
  impl_->screen->setReadOnly(true);
  impl_->screen->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont font("Courier New");
  font.setStyleHint(QFont::Monospace);
  font.setPixelSize(14);
  impl_->screen->setFont(font);
  impl_->window.setCentralWidget(impl_->screen);
  // With the menu bar hidden, the text screen's context menu brings it back.
  impl_->showMenuBar = new QAction("Show Menu", impl_->screen);
  impl_->showMenuBar->setVisible(false);
  impl_->screen->addAction(impl_->showMenuBar);
  impl_->screen->setContextMenuPolicy(Qt::ActionsContextMenu);
  QObject::connect(impl_->showMenuBar, &QAction::triggered,
                   [impl = impl_.get()] { impl->SetMenuBarShown(true); });
  impl_->window.setWindowTitle("Lenvari Acuity");
  Console80x(25);
}

QtConsoleHost::~QtConsoleHost() = default;

void QtConsoleHost::InitConsoleTools(int, int, int, int, int& flag, int) {
  flag = 0;
  impl_->window.show();
}

void QtConsoleHost::Console80x(int lines) {
  const QFontMetrics metrics(impl_->screen->font());
  impl_->screen->setMinimumSize(metrics.horizontalAdvance(QString(80, 'M')) + 12,
                                metrics.lineSpacing() * std::max(1, lines) + 12);
  impl_->screen->clear();
}

void QtConsoleHost::ConsoleToolBar(int, int) {}

void QtConsoleHost::ConsoleTitle(const std::string& title) {
  impl_->window.setWindowTitle(QString::fromStdString(title));
}

void QtConsoleHost::ConsoleTopMost(int on) {
  const bool wanted = on != 0;
  if (impl_->window.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == wanted) return;
  const bool visible = impl_->window.isVisible();
  impl_->window.setWindowFlag(Qt::WindowStaysOnTopHint, wanted);
  if (visible) impl_->window.show();
}

void QtConsoleHost::ConsoleWindow(int) {
  if (!impl_->window.isVisible()) impl_->window.show();
}

void QtConsoleHost::ConsoleNormal() {}

int QtConsoleHost::ConsoleMessageBox(const std::string& message, int style,
                                     const std::string& title, int, int) {
  QMessageBox box(IconOf(style), QString::fromStdString(ExpandConsoleText(title)),
                  QString::fromStdString(ExpandConsoleText(message)));
  switch (style & 0x0F) {
    case 1: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case 3: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel); break;
    case 4: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    default: box.setStandardButtons(QMessageBox::Ok); break;
  }
  box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  switch (box.exec()) {
    case QMessageBox::Ok: return kIdOk;
    case QMessageBox::Yes: return kIdYes;
    case QMessageBox::No: return kIdNo;
    default: return kIdCancel;
  }
}

std::string QtConsoleHost::ConsoleInputBox(const std::string& prompt, const std::string& title,
                                           const std::string& defaultText) {
  QInputDialog dialog;
  dialog.setWindowTitle(QString::fromStdString(ExpandConsoleText(title)));
  dialog.setLabelText(QString::fromStdString(ExpandConsoleText(prompt)));
  dialog.setTextValue(QString::fromStdString(defaultText));
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  if (dialog.exec() != QDialog::Accepted) return "";
  return dialog.textValue().toStdString();
}

int QtConsoleHost::MenuDefinition(int number, const std::string& definition) {
  std::vector<MenuItemDefinition> items;
  if (!ParseMenuDefinition(definition, items)) return 1;
  impl_->menus[number] = items;
  impl_->RebuildMenuBar();
  return 0;
}

void QtConsoleHost::OnTimer(int, int) {}

void QtConsoleHost::SplashBoxShow(const std::string& text) {
  if (!impl_->splash) {
    impl_->splash = new QLabel(&impl_->window, Qt::SplashScreen | Qt::WindowStaysOnTopHint);
    impl_->splash->setAlignment(Qt::AlignCenter);
    impl_->splash->setMargin(24);
  }
  impl_->splash->setText(QString::fromStdString(ExpandConsoleText(text)));
  impl_->splash->adjustSize();
  impl_->splash->show();
  std::string line = ExpandConsoleText(text);
  for (char& c : line)
    if (c == '\n') c = ' ';
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

void QtConsoleHost::SplashBoxHide() {
  if (impl_->splash) impl_->splash->hide();
}

void QtConsoleHost::VirtualKey(const std::string& keys) {
  QWidget* target = QApplication::focusWidget();
  if (!target) target = QApplication::activeWindow();
  if (!target) return;
  for (char c : keys) {
    // The Alt key alone (18) opens the menu bar, which has no use without a user; Enter (13)
    // confirms whatever has the focus.
    if (c == 13) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
      QCoreApplication::sendEvent(target, &press);
    }
  }
}

void QtConsoleHost::Print(const std::string& text) {
  std::fputs(text.c_str(), stdout);
  std::fflush(stdout);
  QTextCursor cursor = impl_->screen->textCursor();
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(QString::fromStdString(text));
  impl_->screen->setTextCursor(cursor);
}

void QtConsoleHost::ClearScreen() { impl_->screen->clear(); }

void QtConsoleHost::BringToFront() {
  impl_->window.show();
  impl_->window.raise();
  impl_->window.activateWindow();
}

void QtConsoleHost::MoveTo(int x, int y) {
  const DesktopPlacement p = LogicalPlacement(x, y, 1, 1);
  impl_->window.move(p.x, p.y);
}

std::string QtConsoleHost::TakeKeys() {
  std::string keys;
  keys.swap(impl_->screen->queue.keys);
  return keys;
}

void QtConsoleHost::FlushKeys() { impl_->screen->queue.keys.clear(); }
int QtConsoleHost::AltDown() const { return impl_->screen->queue.altDown; }
int QtConsoleHost::CtrlDown() const { return impl_->screen->queue.ctrlDown; }

MenuChoice QtConsoleHost::TakeMenuChoice() {
  if (impl_->chosen.empty()) return {};
  const MenuChoice choice = impl_->chosen.front();
  impl_->chosen.pop_front();
  return choice;
}

bool QtConsoleHost::ChooseMenuItem(int menu, int id) {
  const Impl::PlacedAction* best = nullptr;
  for (const auto& placed : impl_->actions) {
    if (placed.id != id || (menu != 0 && placed.menu != menu)) continue;
    if (!best || placed.menu < best->menu) best = &placed;
  }
  if (!best) return false;
  best->action->trigger();
  return true;
}

void QtConsoleHost::ShowMenuBar(bool shown) { impl_->SetMenuBarShown(shown); }

QMainWindow& QtConsoleHost::Window() { return impl_->window; }

std::string QtConsoleHost::ScreenText() const {
  return impl_->screen->toPlainText().toStdString();
}

}  // namespace lenvari
