// What a file system can hold under the names of the data folder's files: FIFOs, links out of
// the folder, folders, leftovers of killed saves. Nothing is waited on, followed or written
// over, and only what a save left behind is ever removed.

#include <gtest/gtest.h>

#include <QImage>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <functional>

#include "platform/qtgui/Bitmap.h"
#include "store/ControlWindowFile.h"
#include "store/DisplayFile.h"
#include "store/OwnFiles.h"
#include "store/SaveFailures.h"
#include "StoreTestFolder.h"

namespace lenvari {
namespace {

namespace fs = std::filesystem;

// Runs `body` in a child process killed after `seconds`: a read that waits forever fails the
// test instead of holding it. True when the child ended by itself with exit code 0.
bool EndsWithin(int seconds, const std::function<bool()>& body) {
  const pid_t child = ::fork();
  if (child == 0) {
    ::alarm(static_cast<unsigned>(seconds));
    ::_exit(body() ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A data folder and a file of someone else's outside it.
struct HostileFiles : StoreFolderTest {
  QTemporaryDir elsewhere;
  std::string outside = elsewhere.path().toStdString() + "/passwd";
  void SetUp() override { PutText(outside, "not yours"); }
  std::string At(const std::string& name) const { return (fs::path(folder) / name).string(); }
};

TEST_F(HostileFiles, FifosLinksAndFoldersAreUnreadableAndNeverWrittenOverOrThrough) {
  ASSERT_EQ(::mkfifo(At("lvdisplay.cfg").c_str(), 0644), 0);
  ASSERT_EQ(::mkfifo(At("lvimg1.bmp").c_str(), 0644), 0);
  fs::create_symlink(outside, At("1lvgallery.bmp"));
  fs::create_symlink(outside, At("lv3.let"));
  fs::create_directory(At("lvimg2.bmp"));
  const Bitmap picture = Bitmap::FromImage(QImage(4, 3, QImage::Format_RGB32));

  EXPECT_TRUE(EndsWithin(20, [&] {
    const FileRead fifo = ReadDataFile(At("lvdisplay.cfg"));
    const FileRead link = ReadDataFile(At("lv3.let"));
    const FileRead directory = ReadDataFile(At("lvimg2.bmp"));
    std::string why;
    DisplayOptions display = LoadDisplayOptions(folder, &why);
    return fifo.status == FileRead::Status::Unreadable && fifo.reason == "it is a FIFO (named pipe)" &&
           link.reason == "it is a link" && directory.reason == "it is a folder" &&
           why == fifo.reason && display == DisplayOptions{} && Bitmap::LoadBmp(At("lvimg1.bmp")).Empty() &&
           !WriteFileAtomically(At("lvdisplay.cfg"), "LuminanceContrast&:\r\n 1 \r\n") &&
           !picture.SaveBmp(At("1lvgallery.bmp")) && !picture.SaveBmp(At("lvimg2.bmp"));
  }));
  EXPECT_EQ(NotARegularFile(At("lvdisplay.cfg")), "a FIFO (named pipe)");
  EXPECT_EQ(NotARegularFile(At("1lvgallery.bmp")), "a link");
  EXPECT_EQ(ReadText(outside), "not yours");
  EXPECT_EQ(OwnNamesThatAreNotFiles(folder),
            (std::vector<std::string>{At("1lvgallery.bmp") + ": it is a link",
                                      At("lv3.let") + ": it is a link",
                                      At("lvdisplay.cfg") + ": it is a FIFO (named pipe)",
                                      At("lvimg1.bmp") + ": it is a FIFO (named pipe)",
                                      At("lvimg2.bmp") + ": it is a folder"}));

  // A link planted under the temporary name of earlier versions is never opened.
  fs::create_symlink(outside, At("lvcontrolwindow.cfg.tmp"));
  ASSERT_TRUE(SaveControlWindowPlace(folder, {10, 20, 800, 600}));
  EXPECT_EQ(NotARegularFile(At("lvcontrolwindow.cfg")), "");
  EXPECT_EQ(ReadText(outside), "not yours");
}

TEST_F(HostileFiles, LeftoversOfSavesAreRemovedAndTheExaminersFilesAreNot) {
  const std::vector<std::string> leftovers = {
      "1lvconfig.cfg.tmp",          "1LVGallery.bmp.Ab3dE9",    "lv3.let.0123abcd.tmp",
      ".Lenvari Archive.zip.123.tmp", "Lenvari Archive.zip.89abcdef.tmp.Xy12Z3"};
  const std::vector<std::string> examiners = {"notes.tmp", "holiday.bmp.Ab3dE9", "mine.0123abcd.txt",
                                              "lv3.let.0123ABCD.tmp", "1lvconfig.cfg.2026-12-07-031500.bak"};
  for (const std::string& name : leftovers) PutText(At(name), "x");
  for (const std::string& name : examiners) PutText(At(name), "x");
  // One made after the lock was taken belongs to a save of this run.
  const auto lockTaken = fs::last_write_time(At("notes.tmp")) + std::chrono::seconds(1);
  PutText(At("2presets.cfg.fedcba98.tmp"), "x");
  fs::last_write_time(At("2presets.cfg.fedcba98.tmp"), lockTaken + std::chrono::seconds(5));
  fs::create_directory(At("3presets.cfg.tmp"));

  std::vector<std::string> expected = leftovers;
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(RemoveLeftoversOfSaves(folder, lockTaken), expected);
  std::set<std::string> kept(examiners.begin(), examiners.end());
  kept.insert({"2presets.cfg.fedcba98.tmp", "3presets.cfg.tmp"});
  EXPECT_EQ(FileNames(folder), kept);
}

TEST(SaveFailureNotes, EachFileAndReasonIsToldOnce) {
  SaveFailures failures;
  NoteSaveFailure(failures, "/d/1lvconfig.cfg", "Read-only file system");
  NoteSaveFailure(failures, "/d/1lvconfig.cfg", "Read-only file system");
  NoteSaveFailure(failures, "/d/1lvgallery.bmp", "");
  EXPECT_EQ(TakeUntoldSaveFailures(failures),
            (std::vector<std::string>{"/d/1lvconfig.cfg: Read-only file system",
                                      "/d/1lvgallery.bmp: the file could not be written"}));
  NoteSaveFailure(failures, "/d/1lvconfig.cfg", "Read-only file system");
  NoteSaveFailure(failures, "/d/1lvconfig.cfg", "No space left on device");
  EXPECT_EQ(TakeUntoldSaveFailures(failures),
            std::vector<std::string>{"/d/1lvconfig.cfg: No space left on device"});
  EXPECT_TRUE(TakeUntoldSaveFailures(failures).empty());
}

}  // namespace
}  // namespace lenvari
