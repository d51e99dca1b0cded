// The control window's 80-column text screen (QtConsoleHost, ConsoleTextScreen).
#include <QLayout>
#include <QTextCursor>

#include <cstdio>

#include "platform/qt/QtConsoleHostImpl.h"

namespace lenvari {

void QtConsoleHost::Impl::ShowTextScreen() {
  if (screen->isVisible()) return;
  sizeBeforeText = window.size();
  screen->show();
}

void QtConsoleHost::Impl::HideTextScreen() {
  if (!screen->isVisible()) return;
  screen->hide();
  // The minimum size the text screen imposed goes only once the layouts have been redone.
  panel->layout()->activate();
  window.layout()->activate();
  if (sizeBeforeText.isValid()) window.resize(sizeBeforeText);
  sizeBeforeText = QSize();
}

void QtConsoleHost::Console80x(int lines) {
  const QFontMetrics metrics(impl_->screen->font());
  impl_->screen->setMinimumSize(metrics.horizontalAdvance(QString(80, 'M')) + 12,
                                metrics.lineSpacing() * std::max(1, lines) + 12);
  impl_->screen->clear();
}

void QtConsoleHost::Print(const std::string& text) {
  std::fputs(text.c_str(), stdout);
  std::fflush(stdout);
  impl_->ShowTextScreen();
  QTextCursor cursor = impl_->screen->textCursor();
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(QString::fromStdString(text));
  impl_->screen->setTextCursor(cursor);
}

void QtConsoleHost::ClearScreen() {
  impl_->screen->clear();
  impl_->HideTextScreen();
}

}  // namespace lenvari
