#include "platform/qt/Shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QStringList>
#include <QUrl>

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

}  // namespace lenvari
