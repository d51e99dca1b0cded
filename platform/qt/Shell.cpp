#include "platform/qt/Shell.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QUrl>
#include <QWidget>

namespace lenvari {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

std::string WithoutTrailingSeparator(QString path) {
  path = QDir::toNativeSeparators(path);
  while (path.size() > 1 && (path.endsWith('/') || path.endsWith('\\')) &&
         !path.endsWith(":\\") && !path.endsWith(":/"))
    path.chop(1);
  return path.toStdString();
}

}  // namespace

bool OpenWithDefaultHandler(const std::string& pathOrUrl) {
  if (pathOrUrl.empty()) return false;
  const QUrl url = QUrl::fromUserInput(Q(pathOrUrl), QDir::currentPath());
  return url.isValid() && QDesktopServices::openUrl(url);
}

bool StartProcess(const std::string& program, const std::vector<std::string>& arguments) {
  QStringList list;
  for (const std::string& argument : arguments) list << Q(argument);
  return QProcess::startDetached(Q(program), list);
}

std::string ChooseFolder(const std::string& title, const std::string& startFolder) {
  const QString start = startFolder.empty() ? QDir::homePath() : Q(startFolder);
  const QString chosen = QFileDialog::getExistingDirectory(nullptr, Q(title), start,
                                                           QFileDialog::ShowDirsOnly);
  if (chosen.isEmpty()) return {};
  return WithoutTrailingSeparator(chosen);
}

std::string QtFileFilter(const std::string& filter) {
  if (filter.find('|') == std::string::npos) return filter;
  const QStringList parts = Q(filter).split('|');
  QStringList entries;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i];
    const QString patterns = parts[i + 1].split(';', Qt::SkipEmptyParts).join(' ');
    // Qt reads the patterns from the last parentheses of an entry; the description's own
    // list may be comma-separated, so it is replaced by the real patterns.
    const qsizetype open = description.lastIndexOf('(');
    if (open >= 0 && description.endsWith(')')) description = description.left(open).trimmed();
    entries << description + " (" + patterns + ")";
  }
  return entries.join(";;").toStdString();
}

bool CloseWindowByTitle(const std::string& title) {
  bool closed = false;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible() && window->windowTitle() == Q(title)) {
      window->close();
      closed = true;
    }
  }
  if (closed) return true;
  if (QGuiApplication::platformName() != "xcb") return false;
  const QString tool = QStandardPaths::findExecutable("wmctrl");
  if (tool.isEmpty()) return false;
  return QProcess::startDetached(tool, {"-F", "-c", Q(title)});
}

}  // namespace lenvari
