#include "platform/qt/QtConsoleHost.h"

#include <QApplication>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

#include "platform/qtgui/DesktopPixels.h"
#include "platform/qt/QtConsoleHostImpl.h"

namespace lenvari {

// Logical rectangle of the monitor holding the control window's centre.
QRect QtConsoleHost::Impl::ExaminerScreen() const {
  if (QScreen* s = QGuiApplication::screenAt(window.geometry().center())) return s->geometry();
  if (QScreen* s = window.screen()) return s->geometry();
  return {};
}

// With one monitor the examiner looks at the chart, the full-screen window; with more, at the
// control window.
QWindow* QtConsoleHost::Impl::ExaminerSees() {
  if (QGuiApplication::screens().size() <= 1)
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->isVisible() && IsFullScreen(w)) return w->windowHandle();
  window.winId();
  return window.windowHandle();
}

// With one monitor the keyboard goes back to the chart window, the full-screen window there.
void QtConsoleHost::Impl::GiveKeysToChart() {
  if (!SharesPatientMonitor()) return;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible() && IsFullScreen(w)) {
      w->raise();
      w->activateWindow();
      w->setFocus();
      return;
    }
}

bool QtConsoleHost::Impl::SharesPatientMonitor() const {
  const QPoint c = window.geometry().center();
  const DesktopPlacement d = DevicePlacement(c.x(), c.y(), 0, 0);
  return d.x >= patientLeft && d.x < patientRight && d.y >= patientTop && d.y < patientBottom;
}

QtConsoleHost::QtConsoleHost() : impl_(std::make_unique<Impl>()) {
  impl_->panel = new KeyPanel;
  auto* layout = new QVBoxLayout(impl_->panel);
  layout->setContentsMargins(8, 6, 8, 6);
  impl_->status = new QLabel;
  impl_->status->setWordWrap(true);
  impl_->status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  impl_->status->setTextFormat(Qt::PlainText);
  QFont statusFont = impl_->status->font();
  statusFont.setPointSizeF(statusFont.pointSizeF() * 1.25);
  impl_->status->setFont(statusFont);
  layout->addWidget(impl_->status);
  impl_->phonePairing = new PhonePairingPanel;
  layout->addWidget(impl_->phonePairing);
  impl_->screen = new TextScreenView(impl_->panel->queue);
  impl_->screen->setReadOnly(true);
  impl_->screen->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont font("Courier New");
  font.setStyleHint(QFont::Monospace);
  font.setPixelSize(14);
  impl_->screen->setFont(font);
  impl_->screen->hide();
  layout->addWidget(impl_->screen, 1);
  impl_->window.setCentralWidget(impl_->panel);
  // With the menu bar hidden, the window's context menu brings it back.
  impl_->showMenuBar = new QAction("Show Menu", impl_->panel);
  impl_->showMenuBar->setVisible(false);
  for (QWidget* part : {static_cast<QWidget*>(impl_->panel), static_cast<QWidget*>(impl_->screen)}) {
    part->addAction(impl_->showMenuBar);
    part->setContextMenuPolicy(Qt::ActionsContextMenu);
  }
  QObject::connect(impl_->showMenuBar, &QAction::triggered,
                   [impl = impl_.get()] { impl->SetMenuBarShown(true); });
  impl_->window.setWindowTitle("Lenvari Acuity");
  impl_->placer.examinerScreen = [this] { return impl_->ExaminerScreen(); };
  impl_->placer.closed = [this] { impl_->GiveKeysToChart(); };
  // The About box stands above every window: a question asked while it shows would be hidden.
  impl_->placer.opened = [this] {
    if (impl_->splash) impl_->splash->hide();
  };
  impl_->placer.examinerSees = [this] { return impl_->ExaminerSees(); };
  qApp->installEventFilter(&impl_->placer);
  Console80x(25);
}

QtConsoleHost::~QtConsoleHost() {
  if (qApp) qApp->removeEventFilter(&impl_->placer);
  delete impl_->splash;
}

void QtConsoleHost::ConsoleTitle(const std::string& title) {
  impl_->window.setWindowTitle(QString::fromStdString(title));
}

// Shows the window where it stands; a window the examiner closed comes back.
void QtConsoleHost::ShowControlWindow() {
  if (!impl_->window.isVisible()) impl_->window.show();
}

void QtConsoleHost::BringToFront() {
  QMainWindow& window = impl_->window;
  if (!window.isVisible()) window.show();
  if (!impl_->SharesPatientMonitor()) window.raise();
  window.activateWindow();
  impl_->panel->setFocus();
}

WindowPlace QtConsoleHost::ControlWindowPlace() const {
  const QMainWindow& window = impl_->window;
  const QSize size = impl_->sizeBeforeText.isValid() ? impl_->sizeBeforeText : window.size();
  const QPoint corner = window.geometry().topLeft();
  const DesktopPlacement d = DevicePlacement(corner.x(), corner.y(), size.width(), size.height());
  return {d.x, d.y, d.width, d.height};
}

void QtConsoleHost::PlaceControlWindow(const WindowPlace& place) {
  QMainWindow& window = impl_->window;
  const DesktopPlacement p = LogicalPlacement(place.left, place.top, place.width, place.height);
  window.winId();  // the native window must exist to be given its monitor
  if (QWindow* handle = window.windowHandle())
    handle->setScreen(ScreenAtDevicePoint(place.left, place.top));
  window.setGeometry(p.x, p.y, std::max(1, p.width), std::max(1, p.height));
  if (!window.isVisible()) window.show();
}

void QtConsoleHost::SetPatientMonitor(int left, int top, int right, int bottom) {
  impl_->patientLeft = left;
  impl_->patientTop = top;
  impl_->patientRight = right;
  impl_->patientBottom = bottom;
}

void QtConsoleHost::ShowStatus(const std::string& text) {
  const QString shown = QString::fromStdString(text);
  if (impl_->status->text() == shown) return;
  impl_->status->setText(shown);
  if (!impl_->screen->isVisible()) impl_->KeepMenusAndStatusShown();
}

std::string QtConsoleHost::TakeKeys() {
  std::string keys;
  keys.swap(impl_->panel->queue.keys);
  return keys;
}

void QtConsoleHost::FlushKeys() { impl_->panel->queue.keys.clear(); }
int QtConsoleHost::AltDown() const { return impl_->panel->queue.altDown; }
int QtConsoleHost::CtrlDown() const { return impl_->panel->queue.ctrlDown; }

void QtConsoleHost::ShowPhonePairing(const QImage& code, const std::string& text) {
  const bool wasShown = !impl_->phonePairing->isHidden();
  impl_->phonePairing->Show(code, text);
  if (!wasShown && !code.isNull() && !impl_->screen->isVisible()) {
    // Room for the code under the status, as far as the monitor allows.
    impl_->window.resize(impl_->window.width(),
                         std::max(impl_->window.height(), impl_->window.sizeHint().height()));
  }
}

bool QtConsoleHost::TakeUnpairRequest() { return impl_->phonePairing->TakeUnpairRequest(); }

QMainWindow& QtConsoleHost::Window() { return impl_->window; }

std::string QtConsoleHost::StatusText() const { return impl_->status->text().toStdString(); }

}  // namespace lenvari
