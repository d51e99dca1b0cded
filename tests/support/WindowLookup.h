#pragma once
// Finding the program's own windows and their keys in a test, as an examiner would see them.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QWidget>

namespace lenvari {

// The shown top-level window titled `title`, or null.
inline QWidget* ShownWindow(const QString& title) {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->isVisible() && widget->windowTitle() == title) return widget;
  return nullptr;
}

// A key of a window by the name it gives accessibility tools; a failure when there is none.
inline QAbstractButton* KeyNamed(QWidget& window, const QString& name) {
  for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
    if (button->accessibleName() == name) return button;
  ADD_FAILURE() << "no key " << name.toStdString();
  return nullptr;
}

}  // namespace lenvari
