#include "platform/qt/DialogFit.h"

#include <QDialog>
#include <QLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>
#include <vector>

namespace lenvari {
namespace {

// Buttons whose top lies in this last part of the dialog's height count as its button row.
constexpr double kButtonRowShare = 0.15;
constexpr int kMargin = 8;

}  // namespace

void FitDialogInto(QDialog& dialog, const QSize& room) {
  const QSize size = dialog.size();
  if (room.isEmpty() || (size.width() <= room.width() && size.height() <= room.height())) return;
  const int width = std::min(size.width(), room.width());
  const int height = std::min(size.height(), room.height());
  if (dialog.layout()) {
    dialog.setMinimumSize(0, 0);
    dialog.resize(width, height);
    return;
  }
  std::vector<QPushButton*> row;
  std::vector<QWidget*> body;
  int rowTop = size.height();
  int rowRight = 0;
  for (QObject* child : dialog.children()) {
    auto* widget = qobject_cast<QWidget*>(child);
    if (!widget || widget->isWindow()) continue;
    auto* button = qobject_cast<QPushButton*>(widget);
    if (button && button->y() >= size.height() * (1 - kButtonRowShare)) {
      row.push_back(button);
      rowTop = std::min(rowTop, button->y());
      rowRight = std::max(rowRight, button->x() + button->width());
    } else {
      body.push_back(widget);
    }
  }
  auto* area = new QScrollArea(&dialog);
  auto* content = new QWidget;
  // The body keeps its layout: the same places inside the scrolled page as in the dialog.
  content->setFixedSize(size.width(), row.empty() ? size.height() : rowTop);
  for (QWidget* widget : body) {
    const bool shown = !widget->isHidden();
    widget->setParent(content);
    if (shown) widget->show();
  }
  area->setWidget(content);
  area->setFrameShape(QFrame::NoFrame);
  const int band = row.empty() ? 0 : size.height() - rowTop;
  area->setGeometry(0, 0, width, height - band);
  // The row keeps its order and spacing, moved left as far as its right end must.
  const int shift = std::min(0, width - kMargin - rowRight);
  for (QPushButton* button : row)
    button->move(std::max(kMargin, button->x() + shift), height - band + (button->y() - rowTop));
  dialog.setMinimumSize(0, 0);
  dialog.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  dialog.setFixedSize(width, height);
  area->show();
}

}  // namespace lenvari
