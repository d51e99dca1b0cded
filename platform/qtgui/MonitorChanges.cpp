#include "platform/qtgui/MonitorChanges.h"

#include <QGuiApplication>
#include <QObject>
#include <QScreen>

namespace lenvari {

struct MonitorChanges::Impl {
  QObject receiver;  // the connections end with it
  bool changed = false;

  void Watch(QScreen* screen) {
    QObject::connect(screen, &QScreen::geometryChanged, &receiver, [this] { changed = true; });
  }
};

MonitorChanges::MonitorChanges() : impl_(std::make_unique<Impl>()) {
  if (!qGuiApp) return;
  for (QScreen* screen : QGuiApplication::screens()) impl_->Watch(screen);
  QObject::connect(qGuiApp, &QGuiApplication::screenAdded, &impl_->receiver,
                   [impl = impl_.get()](QScreen* screen) {
                     impl->changed = true;
                     impl->Watch(screen);
                   });
  QObject::connect(qGuiApp, &QGuiApplication::screenRemoved, &impl_->receiver,
                   [impl = impl_.get()] { impl->changed = true; });
}

MonitorChanges::~MonitorChanges() = default;

bool MonitorChanges::TakeChange() {
  const bool changed = impl_->changed;
  impl_->changed = false;
  return changed;
}

}  // namespace lenvari
