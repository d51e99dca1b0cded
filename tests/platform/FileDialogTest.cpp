// The open-file chooser as a scripted run meets it: answered by a path, cancelled by an empty
// answer or "Cancel", and offering upper- and lower-case file names alike.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QTimer>

#include <fstream>

#include "platform/qt/FileDialog.h"
#include "platform/qt/ModalAnswers.h"
#include "support/ProgramRun.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

constexpr const char* kFilter = "Image Files (*.JPG, *.BMP)|*.JPG;*.BMP|";

TEST(FileDialog, PatternsIgnoreLetterCase) {
  EXPECT_EQ(Tie(CaseBlindPattern("*.Jpg"), CaseBlindPattern("*.MP4"), CaseBlindPattern("*")),
            Tie("*.[Jj][Pp][Gg]", "*.[Mm][Pp]4", "*"));
}

TEST(FileDialog, ScriptedAnswersChooseAFileOrCancel) {
  const std::string folder = FreshFolder("chooser");
  std::ofstream(folder + "/photo.jpg") << "x";
  std::ofstream(folder + "/Scan.BMP") << "x";

  // The chooser starts in the folder given and filters by the first entry, in either case.
  QStringList offered;
  QString title;
  // Waits for the chooser to be up, however slowly a loaded machine shows it.
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [&, poll] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    poll->stop();
    poll->deleteLater();
    title = dialog->windowTitle();
    offered = dialog->directory().entryList(dialog->nameFilters().front().section('(', 1)
                                                .chopped(1)
                                                .split(' '),
                                            QDir::Files);
    dialog->reject();
  });
  poll->start(20);
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

}  // namespace
}  // namespace lenvari
