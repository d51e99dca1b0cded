#pragma once
// Driving the library's modal dialogs from a test: the export runs its own loop, so the test's
// steps are queued to run on whichever dialog is on top once that loop shows it. And measuring
// a window drawn at 100 % and 200 % display scaling: a doubled display must double every stroke
// and letter instead of drawing the small picture into a corner or blurring it.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "support/Pixels.h"
#include "support/WindowLookup.h"

namespace lenvari {

// A control of a dialog by its identifier (its object name).
template <class Widget>
Widget* Control(QDialog& dialog, int id) {
  auto* widget = dialog.findChild<Widget*>(QString::number(id));
  EXPECT_NE(widget, nullptr) << id;
  return widget;
}

// Clicks a button where its caption or box is: a check box or radio button takes clicks only
// on its box and text, not on the rest of its area.
inline void Click(QAbstractButton* button) {
  const bool pushButton = qobject_cast<QPushButton*>(button) != nullptr;
  QTest::mouseClick(button, Qt::LeftButton, {},
                    pushButton ? button->rect().center() : QPoint(6, button->height() / 2));
}

// Replaces the text of a box as the examiner does: all of it selected, deleted, then typed.
inline void Retype(QLineEdit* edit, const char* text) {
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, text);
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

// Arms a check of the message a refused distance brings while `dialog` stays open behind it;
// the message is dismissed with its OK button. Returns a flag that tells whether it came.
inline std::shared_ptr<bool> ExpectRangeMessage(QDialog& dialog) {
  return ExpectMessage([&dialog](QMessageBox& box) {
    EXPECT_EQ(box.windowTitle(), " ");
    EXPECT_TRUE(box.text().startsWith("You must enter a valid optical distance"));
    EXPECT_TRUE(dialog.isVisible());
    Click(box.button(QMessageBox::Ok));
  });
}

// The window drawn at `ratio` device pixels per pixel, on white.
inline QImage Render(QWidget& window, int ratio) {
  QImage image(window.size() * ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  window.render(&image);
  return image;
}

// The dark ink of `area` (in window pixels) grows about four times at twice the scale (text
// hinting keeps it from being exact). `lightPrint`: light print on a dark body counts as ink,
// and its edges are not held sharp (the remote's keys blend by design).
inline void ExpectScalesCleanly(QWidget& window, const std::string& name, QRect area,
                                bool lightPrint = false) {
  QImage once = Render(window, 1);
  QImage twice = Render(window, 2);
  if (lightPrint) {
    once.invertPixels();
    twice.invertPixels();
  }
  const QRect large(area.topLeft() * 2, area.size() * 2);
  const double dark = GreyPixels(once, area, 0, 127);
  ASSERT_GT(dark, 100) << name;
  EXPECT_NEAR(GreyPixels(twice, large, 0, 127) / dark, 4.0, 0.8) << name;
  // Edges stay sharp: the blended border pixels (neither near black nor near white) grow with
  // the outline's length (twice), not with the area (four times) as an enlarged bitmap's would.
  const double blended = GreyPixels(once, area, 41, 214);
  if (!lightPrint) EXPECT_LT(GreyPixels(twice, large, 41, 214) / blended, 3.0) << name;
}

}  // namespace lenvari
