// The file and folder choosers as a scripted run meets them: ordinary modal file dialogs,
// answered by a path, cancelled by an empty answer or "Cancel", blind to letter case.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

#include <fstream>
#include <functional>

#include "platform/qt/FileDialog.h"
#include "platform/qt/ModalAnswers.h"
#include "platform/qt/Shell.h"
#include "support/ProgramRun.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

constexpr const char* kFilter = "Image Files (*.JPG, *.BMP)|*.JPG;*.BMP|";

// Runs `act` on the chooser once it is up, however slowly a loaded machine shows it.
void WhenChooserIsUp(std::function<void(QFileDialog&)> act) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, act] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    poll->stop();
    poll->deleteLater();
    act(*dialog);
  });
  poll->start(20);
}

TEST(Shell, PipeFiltersBecomeQtFiltersAndPatternsIgnoreLetterCase) {
  EXPECT_EQ(QtFileFilter("Video Files (*.MP4, *.MOV, *.WMV, *.MPG, *.AVI)|"
                         "*.MP4;*.MOV;*.WMV;*.MPG;*.AVI|"),
            "Video Files (*.MP4 *.MOV *.WMV *.MPG *.AVI)");
  EXPECT_EQ(QtFileFilter("Images|*.bmp;*.jpg|All Files (*.*)|*.*|"),
            "Images (*.bmp *.jpg);;All Files (*.*)");
  EXPECT_EQ(QtFileFilter("Pictures (*.png *.bmp)"), "Pictures (*.png *.bmp)");
  EXPECT_EQ(Tie(CaseBlindPattern("*.Jpg"), CaseBlindPattern("*.MP4"), CaseBlindPattern("*")),
            Tie("*.[Jj][Pp][Gg]", "*.[Mm][Pp]4", "*"));
  EXPECT_FALSE(OpenWithDefaultHandler(""));
}

TEST(Shell, FileChooserOffersBothLetterCasesAndTakesScriptedAnswers) {
  const std::string folder = FreshFolder("chooser");
  std::ofstream(folder + "/photo.jpg") << "x";
  std::ofstream(folder + "/Scan.BMP") << "x";

  // The chooser starts in the folder given and filters by the first entry, in either case.
  QStringList offered;
  QString title;
  WhenChooserIsUp([&](QFileDialog& dialog) {
    title = dialog.windowTitle();
    const QString patterns = dialog.nameFilters().front().section('(', 1).chopped(1);
    offered = dialog.directory().entryList(patterns.split(' '), QDir::Files);
    dialog.reject();
  });
  EXPECT_EQ(Tie(OpenFileDialog("Pick", kFilter, folder, ""), title), Tie("", "Pick"));
  offered.sort(Qt::CaseInsensitive);
  EXPECT_EQ(offered, QStringList({"photo.jpg", "Scan.BMP"}));

  {
    ModalAnswers answers({folder + "/Scan.BMP"}, true);
    EXPECT_EQ(OpenFileDialog("Pick", kFilter, folder, ""), folder + "/Scan.BMP");
  }
  {
    ModalAnswers answers({""}, true);
    EXPECT_EQ(OpenFileDialog("Pick", kFilter, folder, "photo.jpg"), "");
  }
  {
    // A file that does not exist is refused with a warning; the next answer cancels.
    ModalAnswers answers({folder + "/missing.jpg", "OK", "Cancel"}, true);
    EXPECT_EQ(OpenFileDialog("Pick", kFilter, folder, ""), "");
    EXPECT_EQ(answers.AnswersLeft(), 0u);
  }
}

TEST(Shell, FolderChooserGivesTheFolderOrNothing) {
  const std::string folder = FreshFolder("folder-chooser");
  std::filesystem::create_directories(folder + "/Target");
  QString title;
  WhenChooserIsUp([&](QFileDialog& dialog) {
    title = dialog.windowTitle();
    dialog.reject();
  });
  EXPECT_EQ(Tie(ChooseFolder("Select Folder", folder), title), Tie("", "Select Folder"));

  WhenChooserIsUp([&](QFileDialog& dialog) {
    // Typed into the name field as a user would: the chooser does not fill that field while it
    // has the focus, and a stale relative name there would be refused.
    const QString chosen = QString::fromStdString(folder + "/Target/");
    dialog.selectFile(chosen);
    if (auto* name = dialog.findChild<QLineEdit*>("fileNameEdit")) name->setText(chosen);
    static_cast<QDialog&>(dialog).accept();
  });
  EXPECT_EQ(ChooseFolder("Select Folder", folder), folder + "/Target");
}

}  // namespace
}  // namespace lenvari
