#pragma once
// Driving the library's modal dialogs from a test: the export runs its own loop, so the test's
// steps are queued to run on whichever dialog is on top once that loop shows it.

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace lenvari {

// A control of a dialog by its identifier (its object name).
template <class Widget>
Widget* Control(QDialog& dialog, int id) {
  auto* widget = dialog.findChild<Widget*>(QString::number(id));
  EXPECT_NE(widget, nullptr) << id;
  return widget;
}

// Queues `act` for the modal dialog on top. With `mustEnd`, `act` must end the dialog; one
// left open is a failure and is cancelled, so the test never hangs.
inline void WhenModal(std::function<void(QDialog&)> act, bool mustEnd = true) {
  QTimer::singleShot(0, [act, mustEnd] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) {
      ADD_FAILURE() << "no modal dialog";
      return;
    }
    act(*dialog);
    if (mustEnd && dialog->isVisible()) {
      ADD_FAILURE() << "the dialog was left open";
      dialog->done(QDialog::Rejected);
    }
  });
}

// Arms a check of the next message box to appear: `check` sees it and must close it.
// Returns a flag that tells whether a box came.
inline std::shared_ptr<bool> ExpectMessage(std::function<void(QMessageBox&)> check) {
  auto shown = std::make_shared<bool>(false);
  QTimer::singleShot(0, [shown, check] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    *shown = true;
    check(*box);
  });
  return shown;
}

}  // namespace lenvari
