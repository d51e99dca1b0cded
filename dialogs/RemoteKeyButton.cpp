#include "dialogs/RemoteKeyButton.h"

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
  if (hasFocus()) {
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
