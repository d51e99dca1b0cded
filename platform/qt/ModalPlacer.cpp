#include "platform/qt/ModalPlacer.h"

#include <QApplication>
#include <QDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QScreen>
#include <QSpacerItem>
#include <QTimer>
#include <QWindow>

#include <algorithm>

#include "platform/qt/CanvasWindow.h"
#include "platform/qt/DialogFit.h"

namespace lenvari {
namespace {

// Room beside a title for the frame's icon, close button and margins, in logical pixels.
constexpr int kTitleAllowance = 140;

int TitleWidth(const QWidget* window) {
  QFont font = QApplication::font();
  font.setBold(true);  // window managers draw titles bold more often than not
  return QFontMetrics(font).horizontalAdvance(window->windowTitle()) + kTitleAllowance;
}

void FitTitle(QDialog* dialog) {
  const int wanted = TitleWidth(dialog);
  if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
    // The box sizes itself from its layout when shown; a spacer as wide as the title makes
    // that size wide enough.
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
      grid->addItem(new QSpacerItem(wanted, 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                    grid->rowCount(), 0, 1, std::max(1, grid->columnCount()));
    return;
  }
  if (dialog->width() < wanted) dialog->resize(wanted, dialog->height());
}

}  // namespace

bool IsFullScreen(const QWidget* window) {
  return window->isFullScreen() || window->property("lenvariFullScreen").toBool();
}

bool ModalPlacer::eventFilter(QObject* object, QEvent* event) {
  auto* dialog = qobject_cast<QDialog*>(object);
  if (!dialog || !dialog->isWindow()) return false;
  switch (event->type()) {
    case QEvent::Show:
      if (!dialog->property("lenvariPlaced").toBool()) {
        dialog->setProperty("lenvariPlaced", true);
        if (opened) opened();
        FitTitle(dialog);
        if (QScreen* screen = Examiner())
          FitDialogInto(*dialog, screen->availableGeometry().size() -
                                     QSize(kFrameWidthAllowance, kFrameHeightAllowance));
        if (QWindow* handle = dialog->windowHandle()) {
          handle->setFlags((handle->flags() & ~Qt::WindowType_Mask) | kModalFrame);
          // A Wayland compositor stacks a window by its parent alone: without one, a dialog
          // opened while the chart is full screen stays hidden behind it.
          if (QGuiApplication::platformName().startsWith("wayland")) {
            if (!handle->transientParent() && examinerSees)
              if (QWindow* parent = examinerSees(); parent && parent != handle)
                handle->setTransientParent(parent);
            if (QWindow* parent = handle->transientParent();
                parent && QGuiApplication::screens().size() <= 1)
              StepOutOfFullScreenFor(parent);
          }
        }
        Centre(dialog);
      }
      break;
    case QEvent::Resize:
      if (dialog->property("lenvariPlaced").toBool() &&
          !dialog->property("lenvariPainted").toBool())
        Centre(dialog);
      break;
    case QEvent::Paint:
      dialog->setProperty("lenvariPainted", true);
      break;
    case QEvent::Hide:
      // Once the window system has let go of the window and no other modal one is left.
      if (closed && !event->spontaneous())
        QTimer::singleShot(0, this, [this] {
          if (QApplication::activeModalWidget()) return;
          ReturnCanvasWindowsToFullScreen();
          closed();
        });
      break;
    default:
      break;
  }
  return false;
}

QScreen* ModalPlacer::Examiner() const {
  const QRect screen = examinerScreen ? examinerScreen() : QRect();
  for (QScreen* s : QGuiApplication::screens())
    if (s->geometry() == screen) return s;
  return nullptr;
}

// Centred on the examiner's monitor, its title bar kept on it.
void ModalPlacer::Centre(QDialog* dialog) const {
  QScreen* screen = Examiner();
  if (!screen) return;
  if (QWindow* handle = dialog->windowHandle()) handle->setScreen(screen);
  const QRect room = screen->availableGeometry();
  const QSize size = dialog->size();
  dialog->move(std::max(room.left(), room.center().x() - size.width() / 2),
               std::max(room.top(), room.center().y() - size.height() / 2));
}

}  // namespace lenvari
