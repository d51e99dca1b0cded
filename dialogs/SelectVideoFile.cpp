#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "dialogs/DialogFramework.h"
#include "dialogs/LenvariDLL.h"

namespace lenvari {
namespace {

// One filter; its name lists the patterns the way the examiner reads them, and the patterns
// themselves follow in a second, hidden pair of parentheses. Matching ignores letter case, so
// "clip.mp4" is offered as well as "CLIP.MP4".
const char kVideoFilter[] =
    "Video Files (*.MP4, *.MOV, *.WMV, *.MPG, *.AVI) (*.MP4 *.MOV *.WMV *.MPG *.AVI)";

}  // namespace
}  // namespace lenvari

std::string SELECTVIDEOFILE(int parentWindow, const std::string& startFolder,
                            const std::string& fileName) {
  (void)parentWindow;  // the chooser is always a top-level window of its own
  lenvari::ApplicationScope application;
  QFileDialog chooser(nullptr, "Lenvari Acuity - Select Video File",
                      QString::fromStdString(startFolder), lenvari::kVideoFilter);
  chooser.setFileMode(QFileDialog::ExistingFile);
  chooser.setAcceptMode(QFileDialog::AcceptOpen);
  // A link is returned as the link's own path, not as the file it points to.
  chooser.setOption(QFileDialog::DontResolveSymlinks, true);
  chooser.setOption(QFileDialog::HideNameFilterDetails, true);
  chooser.setDefaultSuffix(QString());
  if (!fileName.empty()) chooser.selectFile(QString::fromStdString(fileName));
  if (chooser.exec() != QDialog::Accepted) return "";
  const QStringList chosen = chooser.selectedFiles();
  if (chosen.isEmpty()) return "";
  const QFileInfo file(chosen.front());
  if (!file.exists() && !file.isSymLink()) return "";
  return QDir::toNativeSeparators(file.absoluteFilePath()).toStdString();
}
