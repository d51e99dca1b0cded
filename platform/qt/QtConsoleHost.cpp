#include "platform/qt/QtConsoleHost.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFontDatabase>
#include <QGridLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
#include <QStyle>
#include <QStyleOptionMenuItem>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <cstdio>
#include <deque>
#include <functional>
#include <map>

#include "platform/qt/ColumnMenu.h"
#include "platform/DesktopPixels.h"
#include "platform/qt/DialogFit.h"
#include "platform/KeyQueue.h"
#include "platform/KeyTranslation.h"
#include "platform/MenuDefinitionText.h"

namespace lenvari {
namespace {

// The frame of every modal window: a title and a close button, nothing to shrink or enlarge.
constexpr Qt::WindowFlags kModalFrame = Qt::Dialog | Qt::CustomizeWindowHint |
                                        Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                        Qt::WindowStaysOnTopHint;
// Room beside a title for the frame's icon, close button and margins, in logical pixels.
constexpr int kTitleAllowance = 140;
// Room a window frame takes on its monitor, in logical pixels: title bar and borders.
constexpr int kFrameHeightAllowance = 48;
constexpr int kFrameWidthAllowance = 16;

// The text screen: typed keys go to the input queue, not into the text.
class TextScreen : public QPlainTextEdit {
 public:
  explicit TextScreen(KeyQueue& queue) : queue_(queue) {}

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

QMessageBox::Icon IconOf(int style) {
  switch (style & 0xF0) {
    case 0x10: return QMessageBox::Critical;
    case 0x20: return QMessageBox::Question;
    case 0x30: return QMessageBox::Warning;
    case 0x40: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

// The width the menu bar needs to show every menu in one row (its own size hint is no more
// than the width it already has).
int MenuBarWidth(const QMenuBar& bar) {
  const QStyle* style = bar.style();
  QStyleOptionMenuItem option;
  option.initFrom(&bar);
  const int spacing = style->pixelMetric(QStyle::PM_MenuBarItemSpacing, nullptr, &bar);
  int width = 2 * (style->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, &bar) +
                   style->pixelMetric(QStyle::PM_MenuBarHMargin, nullptr, &bar));
  for (const QAction* action : bar.actions()) {
    if (!action->isVisible()) continue;
    option.text = action->text();
    const QSize text = bar.fontMetrics().size(Qt::TextShowMnemonic, action->text());
    width += style->sizeFromContents(QStyle::CT_MenuBarItem, &option, text, &bar).width() + spacing;
  }
  return width;
}

// A window that asked for full screen: a Wayland compositor may report another state for a
// moment after the request.
bool IsFullScreen(const QWidget* window) {
  return window->isFullScreen() || window->property("lenvariFullScreen").toBool();
}

int TitleWidth(const QWidget* window) {
  QFont font = QApplication::font();
  font.setBold(true);  // window managers draw titles bold more often than not
  return QFontMetrics(font).horizontalAdvance(window->windowTitle()) + kTitleAllowance;
}

// Bounds of the waits for a Wayland compositor around a question over the full-screen chart;
// each normally ends within a frame or two.
constexpr int kChartMappedWaitMs = 5000;
constexpr int kFullScreenReportWaitMs = 1000;
constexpr int kLeaveConfirmWaitMs = 3000;
constexpr int kStaysOutMs = 300;

// Places every modal window of the program as it is first shown. A message box computes its
// size while it is being shown, so until it is first painted a change of size centres it again.
class ModalPlacer : public QObject {
 public:
  std::function<QRect()> examinerScreen;  // logical rectangle of the examiner's monitor
  std::function<void()> opened;           // a modal window is about to show
  std::function<void()> closed;           // after a modal window went, none left open
  std::function<QWindow*()> examinerSees;  // the window a dialog must stand above

  bool eventFilter(QObject* object, QEvent* event) override {
    auto* dialog = qobject_cast<QDialog*>(object);
    if (!dialog || !dialog->isWindow()) return false;
    switch (event->type()) {
      case QEvent::Show:
        if (!dialog->property("lenvariPlaced").toBool()) {
          dialog->setProperty("lenvariPlaced", true);
          if (opened) opened();
          FitTitle(dialog);
          if (QScreen* screen = Examiner())
            FitDialogInto(*dialog, screen->availableGeometry().size() -
                                       QSize(kFrameWidthAllowance, kFrameHeightAllowance));
          if (QWindow* handle = dialog->windowHandle()) {
            handle->setFlags((handle->flags() & ~Qt::WindowType_Mask) | kModalFrame);
            // A Wayland compositor stacks a window by its parent alone: without one, a dialog
            // opened while the chart is full screen stays hidden behind it.
            if (QGuiApplication::platformName().startsWith("wayland")) {
              if (!handle->transientParent() && examinerSees)
                if (QWindow* parent = examinerSees(); parent && parent != handle)
                  handle->setTransientParent(parent);
              if (QWindow* parent = handle->transientParent();
                  parent && QGuiApplication::screens().size() <= 1)
                LeaveFullScreenFor(parent);
            }
          }
          Centre(dialog);
        }
        break;
      case QEvent::Resize:
        if (dialog->property("lenvariPlaced").toBool() &&
            !dialog->property("lenvariPainted").toBool())
          Centre(dialog);
        break;
      case QEvent::Paint:
        dialog->setProperty("lenvariPainted", true);
        break;
      case QEvent::Hide:
        // Once the window system has let go of the window and no other modal one is left.
        if (closed && !event->spontaneous())
          QTimer::singleShot(0, this, [this] {
            if (QApplication::activeModalWidget()) return;
            QObject::disconnect(stayOut_);
            stayOut_ = {};
            if (left_ && left_->windowHandle())
              left_->windowHandle()->setWindowStates(left_->windowHandle()->windowStates() |
                                                     Qt::WindowFullScreen);
            left_.clear();
            closed();
          });
        break;
      default:
        break;
    }
    return false;
  }

 private:
  // A wlroots compositor (sway) never gives the keyboard to a window opened over a full-screen
  // one, even one it shows above it, and asked through an activation token it only marks the
  // window urgent: the keys would go on to the chart the question blocks. With one monitor the
  // full-screen window the question stands above leaves full screen until the last question
  // closes.
  //
  // The question must not reach the screen before the compositor has done so: a question mapped
  // before the chart (a slow first frame) or while it is still full screen is never focused.
  // So this waits, each step bounded, for the chart to be mapped, for its full-screen state to
  // be settled, and for the compositor to confirm that it left full screen and stays out: a
  // chart mapped just now is made full screen once more as its first frame arrives.
  void LeaveFullScreenFor(QWindow* parent) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      // As asked, not as last reported: just after it was shown the compositor may report the
      // chart out of full screen for a moment.
      if (w->windowHandle() != parent || !w->isVisible() || !IsFullScreen(w)) continue;
      if (left_ == w) continue;  // already out for a question still open
      left_ = w;
      const bool wasExposed = parent->isExposed();
      WaitUntil([parent] { return parent->isExposed(); }, kChartMappedWaitMs);
      // Just mapped: the compositor's full-screen report may still be on its way, and a request
      // to leave sent before it would be lost.
      if (!wasExposed) WaitFor(parent, Qt::WindowFullScreen, kFullScreenReportWaitMs);
      // A full-screen report while a question is open, now or later, is answered by leaving
      // again.
      if (!stayOut_)
        stayOut_ = QObject::connect(parent, &QWindow::windowStateChanged, this,
                                    [this, parent](Qt::WindowState state) {
          chartOut_ = state != Qt::WindowFullScreen;
          if (chartOut_) return;
          ++fullScreenReports_;
          parent->setWindowStates(parent->windowStates() & ~Qt::WindowFullScreen);
        });
      chartOut_ = false;
      w->setWindowState(w->windowState() & ~Qt::WindowFullScreen);
      QElapsedTimer clock;
      clock.start();
      for (;;) {
        WaitUntil([this] { return chartOut_; }, kLeaveConfirmWaitMs);
        const int reports = fullScreenReports_;
        WaitUntil([this, reports] { return fullScreenReports_ != reports; }, kStaysOutMs);
        if (fullScreenReports_ == reports || clock.elapsed() > kLeaveConfirmWaitMs) break;
      }
    }
  }

  // Runs the event loop, without the examiner's input, until `done` or `ms` have passed.
  static void WaitUntil(const std::function<bool()>& done, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms) {
      QEventLoop wait;
      QTimer::singleShot(10, &wait, &QEventLoop::quit);
      wait.exec(QEventLoop::ExcludeUserInputEvents);
    }
  }

  // Waits until the window system reports `state` for `window` (the window's own report: the
  // widget learns of it only later), at most `ms`.
  static void WaitFor(QWindow* window, Qt::WindowState state, int ms) {
    bool reported = false;
    const QMetaObject::Connection report = QObject::connect(
        window, &QWindow::windowStateChanged, [&reported, state](Qt::WindowState now) {
          if (now == state) reported = true;
        });
    WaitUntil([&reported] { return reported; }, ms);
    QObject::disconnect(report);
  }

  QMetaObject::Connection stayOut_;  // keeps the chart out of full screen while asked
  bool chartOut_ = false;            // the compositor's last report: out of full screen
  int fullScreenReports_ = 0;
  QPointer<QWidget> left_;  // the window that left full screen for a question

  static void FitTitle(QDialog* dialog) {
    const int wanted = TitleWidth(dialog);
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
      // The box sizes itself from its layout when shown; a spacer as wide as the title makes
      // that size wide enough.
      if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
        grid->addItem(new QSpacerItem(wanted, 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, std::max(1, grid->columnCount()));
      return;
    }
    if (dialog->width() < wanted) dialog->resize(wanted, dialog->height());
  }

  QScreen* Examiner() const {
    const QRect screen = examinerScreen ? examinerScreen() : QRect();
    for (QScreen* s : QGuiApplication::screens())
      if (s->geometry() == screen) return s;
    return nullptr;
  }

  // Centred on the examiner's monitor, its title bar kept on it.
  void Centre(QDialog* dialog) const {
    QScreen* screen = Examiner();
    if (!screen) return;
    if (QWindow* handle = dialog->windowHandle()) handle->setScreen(screen);
    const QRect room = screen->availableGeometry();
    const QSize size = dialog->size();
    dialog->move(std::max(room.left(), room.center().x() - size.width() / 2),
                 std::max(room.top(), room.center().y() - size.height() / 2));
  }
};

}  // namespace

struct QtConsoleHost::Impl {
  QMainWindow window;
  KeyPanel* panel = nullptr;
  QLabel* status = nullptr;
  TextScreen* screen = nullptr;
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
  bool topMost = false;
  QSize sizeBeforeText;  // the examiner's size while the text screen enlarges the window

  // Logical rectangle of the monitor holding the control window's centre.
  QRect ExaminerScreen() const {
    if (QScreen* s = QGuiApplication::screenAt(window.geometry().center())) return s->geometry();
    if (QScreen* s = window.screen()) return s->geometry();
    return {};
  }

  // With one monitor the examiner looks at the chart, the full-screen window; with more, at the
  // control window.
  QWindow* ExaminerSees() {
    if (QGuiApplication::screens().size() <= 1)
      for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && IsFullScreen(w)) return w->windowHandle();
    window.winId();
    return window.windowHandle();
  }

  // With one monitor the keyboard goes back to the chart window, the full-screen window there.
  void GiveKeysToChart() {
    if (!SharesPatientMonitor()) return;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->isVisible() && IsFullScreen(w)) {
        w->raise();
        w->activateWindow();
        w->setFocus();
        return;
      }
  }

  bool SharesPatientMonitor() const {
    const QPoint c = window.geometry().center();
    const DesktopPlacement d = DevicePlacement(c.x(), c.y(), 0, 0);
    return d.x >= patientLeft && d.x < patientRight && d.y >= patientTop && d.y < patientBottom;
  }

  void ShowTextScreen() {
    if (screen->isVisible()) return;
    sizeBeforeText = window.size();
    screen->show();
  }

  void HideTextScreen() {
    if (!screen->isVisible()) return;
    screen->hide();
    // The minimum size the text screen imposed goes only once the layouts have been redone.
    panel->layout()->activate();
    window.layout()->activate();
    if (sizeBeforeText.isValid()) window.resize(sizeBeforeText);
    sizeBeforeText = QSize();
  }

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
    if (item.kind == Kind::ColumnBreak) return;  // only a column menu has columns
    if (item.kind == Kind::Submenu) {
      QMenu* sub = menu ? menu->addMenu(label) : bar->addMenu(label);
      auto found = menus.find(item.number);
      if (found == menus.end() || depth >= 8) return;
      if (AddColumnItems(sub, item.number, found->second)) return;
      for (const auto& child : found->second) AddItem(nullptr, sub, item.number, child, depth + 1);
      return;
    }
    QAction* action = menu ? menu->addAction(label) : bar->addAction(label);
    Connect(action, number, item.number);
  }

  // A menu with column breaks and commands only, laid out in its columns. False for any other
  // menu.
  bool AddColumnItems(QMenu* menu, int number, const std::vector<MenuItemDefinition>& items) {
    using Kind = MenuItemDefinition::Kind;
    bool breaks = false;
    for (const auto& item : items) {
      if (item.kind == Kind::Submenu) return false;
      breaks = breaks || item.kind == Kind::ColumnBreak;
    }
    if (!breaks) return false;
    std::vector<std::vector<QAction*>> columns(1);
    for (const auto& item : items) {
      if (item.kind == Kind::ColumnBreak) {
        columns.emplace_back();
      } else if (item.kind == Kind::Separator) {
        columns.back().push_back(nullptr);
      } else {
        auto* action = new QAction(QString::fromStdString(item.text) +
                                       (item.hint.empty() ? "" : "\t" + QString::fromStdString(item.hint)),
                                   menu);
        Connect(action, number, item.number);
        columns.back().push_back(action);
      }
    }
    FillColumnMenu(menu, columns);
    return true;
  }

  void Connect(QAction* action, int number, int id) {
    // The same id may sit in two menus, so the choice keeps the menu it was made in.
    QObject::connect(action, &QAction::triggered,
                     [this, number, id] { chosen.push_back({number, id}); });
    actions.push_back({number, id, action});
  }

  // The window is at least as wide as its menu bar and tall enough for the status, as far as
  // its monitor allows: a size kept in device pixels can be far too small at 200 % scaling.
  void KeepMenusAndStatusShown() {
    QScreen* screen = window.screen();
    if (!screen) return;
    const QRect room = screen->availableGeometry();
    QMenuBar* bar = window.menuBar();
    const bool barShown = !showMenuBar->isVisible();  // the way back is offered while it is hidden
    int width = window.width();
    if (barShown) width = std::max(width, MenuBarWidth(*bar));
    width = std::min(width, room.width() - kFrameWidthAllowance);
    const int barHeight = barShown ? bar->sizeHint().height() : 0;
    const QMargins margins = panel->layout()->contentsMargins();
    int height = std::max(window.height(), barHeight + margins.top() + margins.bottom() +
                                              status->heightForWidth(width - margins.left() -
                                                                     margins.right()));
    height = std::min(height, room.height() - kFrameHeightAllowance);
    if (width > window.width() || height > window.height())
      window.resize(std::max(width, window.width()), std::max(height, window.height()));
  }

  void SetMenuBarShown(bool shown) {
    window.menuBar()->setVisible(shown);
    showMenuBar->setVisible(!shown);
  }
};

QtConsoleHost::QtConsoleHost() : impl_(std::make_unique<Impl>()) {
  impl_->panel = new KeyPanel;
  auto* layout = new QVBoxLayout(impl_->panel);
  layout->setContentsMargins(8, 6, 8, 6);
  impl_->status = new QLabel;
  impl_->status->setWordWrap(true);
  impl_->status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  impl_->status->setTextFormat(Qt::PlainText);
  QFont statusFont = impl_->status->font();
  statusFont.setPointSizeF(statusFont.pointSizeF() * 1.25);
  impl_->status->setFont(statusFont);
  layout->addWidget(impl_->status);
  impl_->screen = new TextScreen(impl_->panel->queue);
  impl_->screen->setReadOnly(true);
  impl_->screen->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont font("Courier New");
  font.setStyleHint(QFont::Monospace);
  font.setPixelSize(14);
  impl_->screen->setFont(font);
  impl_->screen->hide();
  layout->addWidget(impl_->screen, 1);
  impl_->window.setCentralWidget(impl_->panel);
  // With the menu bar hidden, the window's context menu brings it back.
  impl_->showMenuBar = new QAction("Show Menu", impl_->panel);
  impl_->showMenuBar->setVisible(false);
  for (QWidget* part : {static_cast<QWidget*>(impl_->panel), static_cast<QWidget*>(impl_->screen)}) {
    part->addAction(impl_->showMenuBar);
    part->setContextMenuPolicy(Qt::ActionsContextMenu);
  }
  QObject::connect(impl_->showMenuBar, &QAction::triggered,
                   [impl = impl_.get()] { impl->SetMenuBarShown(true); });
  impl_->window.setWindowTitle("Lenvari Acuity");
  impl_->placer.examinerScreen = [this] { return impl_->ExaminerScreen(); };
  impl_->placer.closed = [this] { impl_->GiveKeysToChart(); };
  // The About box stands above every window: a question asked while it shows would be hidden.
  impl_->placer.opened = [this] {
    if (impl_->splash) impl_->splash->hide();
  };
  impl_->placer.examinerSees = [this] { return impl_->ExaminerSees(); };
  qApp->installEventFilter(&impl_->placer);
  Console80x(25);
}

QtConsoleHost::~QtConsoleHost() {
  if (qApp) qApp->removeEventFilter(&impl_->placer);
  delete impl_->splash;
}

// The window is shown once it has its place (PlaceControlWindow), so it never flashes up where
// the window system would have put it.
void QtConsoleHost::InitConsoleTools(int, int, int, int, int& flag, int) { flag = 0; }

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

// The control window is never made top-most: on the patient's monitor it would cover the chart,
// and on the examiner's it would cover the monitor window and the remote. Modal windows are
// top-most by themselves.
void QtConsoleHost::ConsoleTopMost(int on) { impl_->topMost = on != 0; }

void QtConsoleHost::ConsoleWindow(int) {
  if (!impl_->window.isVisible()) impl_->window.show();
}

void QtConsoleHost::ConsoleNormal() {}

int QtConsoleHost::ConsoleMessageBox(const std::string& message, int style,
                                     const std::string& title, int, int) {
  QMessageBox box(IconOf(style), QString::fromStdString(ExpandConsoleText(title)),
                  QString::fromStdString(ExpandConsoleText(message)));
  box.setWindowFlags(kModalFrame);
  QMessageBox::StandardButton first = QMessageBox::Ok, second = QMessageBox::NoButton;
  switch (style & 0x0F) {
    case 1:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      second = QMessageBox::Cancel;
      break;
    case 3:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      first = QMessageBox::Yes, second = QMessageBox::No;
      break;
    case 4:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      first = QMessageBox::Yes, second = QMessageBox::No;
      break;
    default: box.setStandardButtons(QMessageBox::Ok); break;
  }
  box.setDefaultButton((style & kMbDefButton2) && second != QMessageBox::NoButton ? second : first);
  switch (box.exec()) {
    case QMessageBox::Ok: return kIdOk;
    case QMessageBox::Yes: return kIdYes;
    case QMessageBox::No: return kIdNo;
    default: return kIdCancel;
  }
}

int QtConsoleHost::ConsoleChoice(const std::string& message, const std::string& title,
                                 const std::vector<std::string>& buttons) {
  QMessageBox box(QMessageBox::Question, QString::fromStdString(ExpandConsoleText(title)),
                  QString::fromStdString(ExpandConsoleText(message)));
  box.setWindowFlags(kModalFrame);
  std::vector<QPushButton*> pushButtons;
  for (size_t i = 0; i < buttons.size(); ++i)
    pushButtons.push_back(box.addButton(QString::fromStdString(buttons[i]),
                                        i == 0 ? QMessageBox::AcceptRole : QMessageBox::RejectRole));
  if (!pushButtons.empty()) box.setDefaultButton(pushButtons.front());
  box.exec();
  for (size_t i = 0; i < pushButtons.size(); ++i)
    if (box.clickedButton() == pushButtons[i]) return static_cast<int>(i);
  return -1;
}

std::string QtConsoleHost::ConsoleInputBox(const std::string& prompt, const std::string& title,
                                           const std::string& defaultText) {
  QInputDialog dialog;
  dialog.setWindowFlags(kModalFrame);
  dialog.setWindowTitle(QString::fromStdString(ExpandConsoleText(title)));
  dialog.setLabelText(QString::fromStdString(ExpandConsoleText(prompt)));
  dialog.setTextValue(QString::fromStdString(defaultText));
  dialog.setInputMode(QInputDialog::TextInput);
  if (dialog.exec() != QDialog::Accepted) return "";
  return dialog.textValue().toStdString();
}

int QtConsoleHost::MenuDefinition(int number, const std::string& definition) {
  std::vector<MenuItemDefinition> items;
  if (!ParseMenuDefinition(definition, items)) return 1;
  impl_->menus[number] = items;
  impl_->RebuildMenuBar();
  impl_->KeepMenusAndStatusShown();
  return 0;
}

void QtConsoleHost::OnTimer(int, int) {}

// The splash is shown on the examiner's monitor (the patient's only when there is no other),
// above the chart: a window the window manager does not stack, so a full-screen chart with the
// focus cannot cover it.
void QtConsoleHost::SplashBoxShow(const std::string& text) {
  if (!impl_->splash) {
    impl_->splash = new QLabel(nullptr, Qt::SplashScreen | Qt::WindowStaysOnTopHint |
                                            Qt::X11BypassWindowManagerHint |
                                            Qt::FramelessWindowHint);
    impl_->splash->setAlignment(Qt::AlignCenter);
    impl_->splash->setMargin(24);
    impl_->splash->setFrameStyle(QFrame::Box | QFrame::Plain);
    impl_->splash->setAutoFillBackground(true);
    impl_->splash->setWindowTitle("About");
  }
  impl_->splash->setText(QString::fromStdString(ExpandConsoleText(text)));
  impl_->splash->adjustSize();
  const QRect examiner = impl_->ExaminerScreen();
  if (!examiner.isEmpty()) {
    const QSize size = impl_->splash->size();
    impl_->splash->move(examiner.x() + (examiner.width() - size.width()) / 2,
                        examiner.y() + (examiner.height() - size.height()) / 2);
  }
  impl_->splash->show();
  impl_->splash->raise();
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
  impl_->ShowTextScreen();
  QTextCursor cursor = impl_->screen->textCursor();
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(QString::fromStdString(text));
  impl_->screen->setTextCursor(cursor);
}

void QtConsoleHost::ClearScreen() {
  impl_->screen->clear();
  impl_->HideTextScreen();
}

void QtConsoleHost::BringToFront() {
  QMainWindow& window = impl_->window;
  if (!window.isVisible()) window.show();
  if (!impl_->SharesPatientMonitor()) window.raise();
  window.activateWindow();
  impl_->panel->setFocus();
}

WindowPlace QtConsoleHost::ControlWindowPlace() const {
  const QMainWindow& window = impl_->window;
  const QSize size = impl_->sizeBeforeText.isValid() ? impl_->sizeBeforeText : window.size();
  const QPoint corner = window.geometry().topLeft();
  const DesktopPlacement d = DevicePlacement(corner.x(), corner.y(), size.width(), size.height());
  return {d.x, d.y, d.width, d.height};
}

void QtConsoleHost::PlaceControlWindow(const WindowPlace& place) {
  QMainWindow& window = impl_->window;
  const DesktopPlacement p = LogicalPlacement(place.left, place.top, place.width, place.height);
  window.winId();  // the native window must exist to be given its monitor
  if (QWindow* handle = window.windowHandle())
    handle->setScreen(ScreenAtDevicePoint(place.left, place.top));
  window.setGeometry(p.x, p.y, std::max(1, p.width), std::max(1, p.height));
  if (!window.isVisible()) window.show();
}

void QtConsoleHost::SetPatientMonitor(int left, int top, int right, int bottom) {
  impl_->patientLeft = left;
  impl_->patientTop = top;
  impl_->patientRight = right;
  impl_->patientBottom = bottom;
}

void QtConsoleHost::ShowStatus(const std::string& text) {
  const QString shown = QString::fromStdString(text);
  if (impl_->status->text() == shown) return;
  impl_->status->setText(shown);
  if (!impl_->screen->isVisible()) impl_->KeepMenusAndStatusShown();
}

std::string QtConsoleHost::TakeKeys() {
  std::string keys;
  keys.swap(impl_->panel->queue.keys);
  return keys;
}

void QtConsoleHost::FlushKeys() { impl_->panel->queue.keys.clear(); }
int QtConsoleHost::AltDown() const { return impl_->panel->queue.altDown; }
int QtConsoleHost::CtrlDown() const { return impl_->panel->queue.ctrlDown; }

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

std::string QtConsoleHost::StatusText() const { return impl_->status->text().toStdString(); }

}  // namespace lenvari
