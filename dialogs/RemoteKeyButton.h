#pragma once
// One key of the remote's picture as a flat push button: its key image, darkened while held
// down and outlined while the keyboard has moved the focus to it. A click or Enter presses it.

#include <QAbstractButton>

#include "dialogs/RemoteArtwork.h"

namespace lenvari {

class RemoteKeyButton : public QAbstractButton {
  Q_OBJECT

 public:
  RemoteKeyButton(RemoteImage image, const QString& label, QWidget* parent);

  // Whether the click being reported is the second click of a double click.
  bool DoubleClicking() const { return doubleClicking_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  RemoteImage image_;
  bool doubleClicking_ = false;
  bool focusFromKeyboard_ = false;
};

}  // namespace lenvari
