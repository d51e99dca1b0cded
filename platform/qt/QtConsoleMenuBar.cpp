// The control window's menu bar, built from definition texts (QtConsoleHost, ConsoleMenuBar).
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionMenuItem>

#include "platform/qt/ColumnMenu.h"
#include "platform/qt/QtConsoleHostImpl.h"

namespace lenvari {
namespace {

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

}  // namespace

void QtConsoleHost::Impl::RebuildMenuBar() {
  QMenuBar* bar = window.menuBar();
  bar->clear();
  actions.clear();
  auto bar1 = menus.find(1);
  if (bar1 == menus.end()) return;
  for (const auto& item : bar1->second) AddItem(bar, nullptr, 1, item, 0);
}

void QtConsoleHost::Impl::AddItem(QMenuBar* bar, QMenu* menu, int number,
                                  const MenuItemDefinition& item, int depth) {
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
bool QtConsoleHost::Impl::AddColumnItems(QMenu* menu, int number,
                                         const std::vector<MenuItemDefinition>& items) {
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

void QtConsoleHost::Impl::Connect(QAction* action, int number, int id) {
  // The same id may sit in two menus, so the choice keeps the menu it was made in.
  QObject::connect(action, &QAction::triggered,
                   [this, number, id] { chosen.push_back({number, id}); });
  actions.push_back({number, id, action});
}

// The window is at least as wide as its menu bar and tall enough for the status, as far as
// its monitor allows: a size kept in device pixels can be far too small at 200 % scaling.
void QtConsoleHost::Impl::KeepMenusAndStatusShown() {
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

void QtConsoleHost::Impl::SetMenuBarShown(bool shown) {
  window.menuBar()->setVisible(shown);
  showMenuBar->setVisible(!shown);
}

int QtConsoleHost::MenuDefinition(int number, const std::string& definition) {
  std::vector<MenuItemDefinition> items;
  if (!ParseMenuDefinition(definition, items)) return 1;
  impl_->menus[number] = items;
  impl_->RebuildMenuBar();
  impl_->KeepMenusAndStatusShown();
  return 0;
}

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

}  // namespace lenvari
