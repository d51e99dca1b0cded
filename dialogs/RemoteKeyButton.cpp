#include "dialogs/RemoteKeyButton.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace lenvari {

RemoteKeyButton::RemoteKeyButton(RemoteImage image, const QString& label, QWidget* parent)
    : QAbstractButton(parent), image_(image) {
  setAccessibleName(label);
  setToolTip(label);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::StrongFocus);
}

void RemoteKeyButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF area = rect();
  PaintRemoteImage(painter, image_, area);
  if (isDown()) {
    QPainterPath shape;
    shape.addRoundedRect(area.adjusted(1, 1, -1, -1), area.height() / 2, area.height() / 2);
    painter.fillPath(shape, QColor(0, 0, 0, 90));
  }
  // The window gives its first key the focus when it opens; only a key the examiner tabbed to
  // is marked, so the picture is not disfigured by an outline nobody asked for.
  if (hasFocus() && focusFromKeyboard_) {
    painter.setPen(QPen(QColor(255, 210, 80), 1.5, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(area.adjusted(1, 1, -1, -1), area.height() / 2, area.height() / 2);
  }
}

void RemoteKeyButton::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    click();
    return;
  }
  QAbstractButton::keyPressEvent(event);
}

void RemoteKeyButton::focusInEvent(QFocusEvent* event) {
  focusFromKeyboard_ =
      event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
  QAbstractButton::focusInEvent(event);
}

void RemoteKeyButton::mousePressEvent(QMouseEvent* event) {
  doubleClicking_ = false;
  QAbstractButton::mousePressEvent(event);
}

void RemoteKeyButton::mouseDoubleClickEvent(QMouseEvent* event) {
  // The second press of a double click: the click it ends is reported as a double click.
  QAbstractButton::mousePressEvent(event);
  doubleClicking_ = true;
}

}  // namespace lenvari
