#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLineEdit>
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <unistd.h>

#include <filesystem>

#include "platform/qt/Shell.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

TEST(Shell, PipeFiltersBecomeQtFilters) {
  EXPECT_EQ(QtFileFilter("Video Files (*.MP4, *.MOV, *.WMV, *.MPG, *.AVI)|"
                         "*.MP4;*.MOV;*.WMV;*.MPG;*.AVI|"),
            "Video Files (*.MP4 *.MOV *.WMV *.MPG *.AVI)");
  EXPECT_EQ(QtFileFilter("Images|*.bmp;*.jpg|All Files (*.*)|*.*|"),
            "Images (*.bmp *.jpg);;All Files (*.*)");
  EXPECT_EQ(QtFileFilter("Pictures (*.png *.bmp)"), "Pictures (*.png *.bmp)");
}

TEST(Shell, ClosesOwnWindowByExactTitle) {
  QWidget player, other;
  player.setWindowTitle("Video Player");
  other.setWindowTitle("Video Player 2");
  player.show();
  other.show();
  EXPECT_FALSE(CloseWindowByTitle("Video"));
  EXPECT_TRUE(player.isVisible());
  EXPECT_TRUE(CloseWindowByTitle("Video Player"));
  EXPECT_FALSE(player.isVisible());
  EXPECT_TRUE(other.isVisible());
  EXPECT_FALSE(CloseWindowByTitle("No Such Window"));
}

// The chooser is an ordinary modal file dialog, so a scripted run can find and answer it.
TEST(Shell, FolderChooserGivesTheFolderOrNothing) {
  const auto folder = std::filesystem::temp_directory_path() /
                      ("lenvari-shell-chooser-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder / "Target");
  QString title;
  const auto answer = [&title](bool accept, const QString& chosen) {
    // Waits for the chooser to be up, however slowly a loaded machine shows it.
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, &title, accept, chosen] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      poll->stop();
      poll->deleteLater();
      title = dialog->windowTitle();
      if (!accept) return dialog->reject();
      // Typed into the name field as a user would: the chooser does not fill that field
      // while it has the focus, and a stale relative name there would be refused.
      dialog->selectFile(chosen);
      if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit")) name->setText(chosen);
      static_cast<QDialog*>(dialog)->accept();
    });
    poll->start(20);
  };

  answer(false, {});
  EXPECT_EQ(Tie(ChooseFolder("Select Folder", folder.string()), title), Tie("", "Select Folder"));

  answer(true, QString::fromStdString((folder / "Target").string() + "/"));
  EXPECT_EQ(ChooseFolder("Select Folder", folder.string()), (folder / "Target").string());
  std::filesystem::remove_all(folder);
}

TEST(Shell, StartProcessReportsWhetherItStarted) {
  EXPECT_TRUE(StartProcess("/bin/sh", {"-c", "exit 0"}));
  EXPECT_FALSE(StartProcess("/no/such/program", {}));
  EXPECT_FALSE(OpenWithDefaultHandler(""));
}

}  // namespace
}  // namespace lenvari
