#pragma once
// Places every modal window of the program as it is first shown: centred on the examiner's
// monitor, above the chart, wide enough for its title, with only a close button in its frame.
// A message box computes its size while it is being shown, so until it is first painted a
// change of size centres it again. Installed as an event filter on the application.

#include <QObject>
#include <QRect>
#include <QWidget>

#include <functional>

class QDialog;
class QScreen;
class QWindow;

namespace lenvari {

// The frame of every modal window: a title and a close button, nothing to shrink or enlarge.
constexpr Qt::WindowFlags kModalFrame = Qt::Dialog | Qt::CustomizeWindowHint |
                                        Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                        Qt::WindowStaysOnTopHint;
// Room a window frame takes on its monitor, in logical pixels: title bar and borders.
constexpr int kFrameHeightAllowance = 48;
constexpr int kFrameWidthAllowance = 16;

// A window that asked for full screen: a Wayland compositor may report another state for a
// moment after the request.
bool IsFullScreen(const QWidget* window);

class ModalPlacer : public QObject {
 public:
  std::function<QRect()> examinerScreen;  // logical rectangle of the examiner's monitor
  std::function<void()> opened;           // a modal window is about to show
  std::function<void()> closed;           // after a modal window went, none left open
  std::function<QWindow*()> examinerSees;  // the window a dialog must stand above

  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  QScreen* Examiner() const;
  void Centre(QDialog* dialog) const;
};

}  // namespace lenvari
