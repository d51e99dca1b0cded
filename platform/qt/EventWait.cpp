#include "platform/qt/EventWait.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QStyleHints>
#include <QTimer>

namespace lenvari {

void WaitForEvents(int maxMilliseconds) {
  QCoreApplication::processEvents();
  // The timer's own event ends the wait when nothing else does.
  QTimer tick;
  tick.setSingleShot(true);
  tick.setTimerType(Qt::PreciseTimer);
  tick.start(maxMilliseconds);
  QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

int DoubleClickMilliseconds() { return QGuiApplication::styleHints()->mouseDoubleClickInterval(); }

}  // namespace lenvari
