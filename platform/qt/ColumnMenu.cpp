#include "platform/qt/ColumnMenu.h"

#include <QApplication>
#include <QBoxLayout>
#include <QActionEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QStyleOptionMenuItem>
#include <QWidgetAction>

#include <algorithm>

namespace lenvari {
namespace {

class ColumnPanel;

// One item, drawn as the style draws a menu item.
class ColumnCell : public QWidget {
 public:
  ColumnCell(ColumnPanel* panel, QAction* action, QWidget* parent);
  QAction* action() const { return action_; }
  bool selected = false;
  int tabWidth = 0;   // room for the key hints of the column
  int textWidth = 0;  // the widest item text of the column

  QSize sizeHint() const override {
    QStyleOptionMenuItem option = Option();
    const QSize text(action_ ? textWidth : 0, fontMetrics().height());
    QSize size = style()->sizeFromContents(QStyle::CT_MenuItem, &option, text, this);
    if (action_) size.rwidth() += tabWidth;
    return size;
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    QStyleOptionMenuItem option = Option();
    style()->drawControl(QStyle::CE_MenuItem, &option, &painter, this);
  }
  void enterEvent(QEnterEvent*) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QStyleOptionMenuItem Option() const {
    QStyleOptionMenuItem option;
    option.initFrom(this);
    option.rect = rect();
    option.menuRect = parentWidget() ? parentWidget()->rect() : rect();
    option.checkType = QStyleOptionMenuItem::NotCheckable;
    option.maxIconWidth = 0;
    option.reservedShortcutWidth = tabWidth;
    option.font = font();
    if (!action_) {
      option.menuItemType = QStyleOptionMenuItem::Separator;
      option.state = QStyle::State_None;
      return option;
    }
    option.menuItemType = QStyleOptionMenuItem::Normal;
    option.text = action_->text();
    option.state = QStyle::State_Enabled;
    if (selected) option.state |= QStyle::State_Selected;
    return option;
  }

  ColumnPanel* panel_;
  QAction* action_;
};

class ColumnPanel : public QWidget {
 public:
  ColumnPanel(QMenu* menu, const std::vector<std::vector<QAction*>>& columns)
      : QWidget(menu), menu_(menu), columns_(columns) {
    for (const auto& column : columns_) {
      std::vector<ColumnCell*> cells;
      for (QAction* action : column) cells.push_back(new ColumnCell(this, action, this));
      cells_.push_back(cells);
    }
    menu->installEventFilter(this);
  }

  // Lays the cells out for a monitor `height` pixels high: each column of the definition,
  // split again where it would not fit.
  void LayOut(int height) {
    delete layout();
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    shown_.clear();
    for (const auto& column : cells_) {
      int used = 0;
      std::vector<ColumnCell*> part;
      for (ColumnCell* cell : column) {
        const int h = cell->sizeHint().height();
        if (!part.empty() && used + h > height) {
          shown_.push_back(part);
          part.clear();
          used = 0;
        }
        part.push_back(cell);
        used += h;
      }
      if (!part.empty()) shown_.push_back(part);
    }
    for (const auto& part : shown_) {
      int textWidth = 0, tabWidth = 0;
      for (ColumnCell* cell : part) {
        if (!cell->action()) continue;
        const QString text = cell->action()->text();
        const qsizetype tab = text.indexOf('\t');
        textWidth = std::max(textWidth, cell->fontMetrics().horizontalAdvance(text.left(tab)));
        if (tab >= 0)
          tabWidth = std::max(tabWidth, cell->fontMetrics().horizontalAdvance(text.mid(tab + 1)) +
                                            cell->fontMetrics().horizontalAdvance("    "));
      }
      auto* column = new QVBoxLayout;
      column->setSpacing(0);
      for (ColumnCell* cell : part) {
        cell->textWidth = textWidth;
        cell->tabWidth = tabWidth;
        cell->updateGeometry();
        column->addWidget(cell);
      }
      column->addStretch(1);
      row->addLayout(column);
    }
    adjustSize();
  }

  void Select(ColumnCell* cell) {
    for (const auto& part : shown_)
      for (ColumnCell* c : part) {
        const bool on = c == cell;
        if (c->selected != on) {
          c->selected = on;
          c->update();
        }
      }
    current_ = cell;
  }

  void Choose(ColumnCell* cell) {
    if (!cell || !cell->action()) return;
    QAction* action = cell->action();
    while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    action->trigger();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == menu_ && event->type() == QEvent::Hide) Select(nullptr);
    if (watched != menu_ || event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
      Choose(current_);
      return true;
    }
    int c = -1, r = -1;
    Find(current_, c, r);
    if (key == Qt::Key_Down || key == Qt::Key_Up) {
      if (c < 0) c = 0, r = key == Qt::Key_Down ? -1 : 0;
      Step(c, r, key == Qt::Key_Down ? 1 : -1);
      return true;
    }
    if ((key == Qt::Key_Right && c >= 0 && c + 1 < static_cast<int>(shown_.size())) ||
        (key == Qt::Key_Left && c > 0)) {
      c += key == Qt::Key_Right ? 1 : -1;
      r = std::min(r, static_cast<int>(shown_[c].size()) - 1);
      if (!shown_[c][r]->action()) Step(c, r, 1);
      else Select(shown_[c][r]);
      return true;
    }
    return false;  // Escape, and Left from the first column, go back as in any menu
  }

 private:
  void Find(ColumnCell* cell, int& c, int& r) const {
    for (size_t i = 0; i < shown_.size(); ++i)
      for (size_t j = 0; j < shown_[i].size(); ++j)
        if (shown_[i][j] == cell) c = static_cast<int>(i), r = static_cast<int>(j);
  }
  // The next item (not a separator) up or down the column, wrapping round.
  void Step(int c, int r, int direction) {
    const int n = static_cast<int>(shown_[c].size());
    for (int i = 0; i < n; ++i) {
      r = ((r + direction) % n + n) % n;
      if (shown_[c][r]->action()) {
        Select(shown_[c][r]);
        return;
      }
    }
  }

  QMenu* menu_;
  std::vector<std::vector<QAction*>> columns_;
  std::vector<std::vector<ColumnCell*>> cells_;
  std::vector<std::vector<ColumnCell*>> shown_;
  ColumnCell* current_ = nullptr;
};

ColumnCell::ColumnCell(ColumnPanel* panel, QAction* action, QWidget* parent)
    : QWidget(parent), panel_(panel), action_(action) {
  setMouseTracking(true);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void ColumnCell::enterEvent(QEnterEvent*) {
  if (action_) panel_->Select(this);
}

void ColumnCell::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    panel_->Choose(this);
}

// The monitor the menu opens on: that of the window whose menu bar holds it.
QScreen* MenuScreen(QMenu* menu) {
  for (QWidget* w = menu->parentWidget(); w; w = w->parentWidget())
    if (!qobject_cast<QMenu*>(w) && w->window() && w->window()->screen()) return w->window()->screen();
  return QGuiApplication::primaryScreen();
}

}  // namespace

void FillColumnMenu(QMenu* menu, const std::vector<std::vector<QAction*>>& columns) {
  auto* panel = new ColumnPanel(menu, columns);
  auto* holder = new QWidgetAction(menu);
  holder->setDefaultWidget(panel);
  menu->addAction(holder);
  QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, panel, holder] {
    QScreen* screen = MenuScreen(menu);
    // The menu's own frame and margins take a little of the monitor's height.
    const int room = screen ? screen->availableGeometry().height() - 16 : 10000;
    panel->LayOut(room);
    // The menu measures its items again only when told that one changed.
    QActionEvent changed(QEvent::ActionChanged, holder);
    QApplication::sendEvent(menu, &changed);
  });
}

}  // namespace lenvari
