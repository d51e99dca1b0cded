#include "platform/qt/FileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QStringList>

#include "platform/qt/Shell.h"

namespace lenvari {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// Every pattern of a Qt-form filter made case-blind; the description is left as written.
QStringList CaseBlindFilters(const std::string& qtFilter) {
  QStringList entries = Q(qtFilter).split(";;", Qt::SkipEmptyParts);
  for (QString& entry : entries) {
    const qsizetype open = entry.lastIndexOf('(');
    if (open < 0 || !entry.endsWith(')')) continue;
    const QStringList patterns =
        entry.mid(open + 1, entry.size() - open - 2).split(' ', Qt::SkipEmptyParts);
    QStringList blind;
    for (const QString& pattern : patterns) blind << Q(CaseBlindPattern(pattern.toStdString()));
    entry = entry.left(open + 1) + blind.join(' ') + ")";
  }
  return entries;
}

}  // namespace

std::string CaseBlindPattern(const std::string& pattern) {
  std::string out;
  for (char c : pattern) {
    const QChar q = QChar::fromLatin1(c);
    if (q.isLetter() && q.toLower() != q.toUpper()) {
      out += '[';
      out += static_cast<char>(q.toUpper().toLatin1());
      out += static_cast<char>(q.toLower().toLatin1());
      out += ']';
    } else {
      out += c;
    }
  }
  return out;
}

std::string OpenFileDialog(const std::string& title, const std::string& filter,
                           const std::string& folder, const std::string& file) {
  const QString start = folder.empty() ? QDir::currentPath() : Q(folder);
  QFileDialog dialog(nullptr, Q(title), start);
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  // The bracketed patterns are for the file list, not for reading.
  dialog.setOption(QFileDialog::HideNameFilterDetails, true);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  const QStringList filters = CaseBlindFilters(QtFileFilter(filter));
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.front());
  }
  if (!file.empty()) dialog.selectFile(Q(file));
  if (dialog.exec() != QDialog::Accepted) return {};
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return {};
  return QDir::toNativeSeparators(chosen.front()).toStdString();
}

}  // namespace lenvari
