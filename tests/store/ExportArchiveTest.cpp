#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <zip.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "platform/ConsoleHost.h"
#include "store/ExportArchive.h"
#include "app/commands/ExportCommand.h"
#include "support/Tie.h"
#include "StoreTestFolder.h"

namespace lenvari {
namespace {

namespace fs = std::filesystem;

void WriteFile(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

// Every entry of the archive: files with their bytes, folders (names ending in "/") with "".
std::map<std::string, std::string> ReadArchive(const fs::path& path) {
  std::map<std::string, std::string> entries;
  int error = 0;
  zip_t* archive = zip_open(path.string().c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
  EXPECT_NE(archive, nullptr) << "libzip error " << error;
  for (zip_int64_t i = 0; archive && i < zip_get_num_entries(archive, 0); ++i) {
    zip_stat_t stat;
    zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &stat);
    std::string bytes(stat.size, '\0');
    zip_file_t* file = zip_fopen_index(archive, static_cast<zip_uint64_t>(i), 0);
    EXPECT_EQ(file ? zip_fread(file, bytes.data(), stat.size) : -1, static_cast<zip_int64_t>(stat.size))
        << stat.name;
    if (file) zip_fclose(file);
    entries[stat.name] = bytes;
  }
  if (archive) zip_close(archive);
  return entries;
}

// A data folder and a folder to export into, both empty, and the export command's boxes, each
// answered `answer` and said as "title: text".
struct ExportFolders : ::testing::Test {
  QTemporaryDir root;
  fs::path data = fs::path(root.path().toStdString()) / "LenvariAcuity4";
  fs::path target = fs::path(root.path().toStdString()) / "USB Stick";
  std::vector<std::string> said;
  int answer = kIdOk;
  ExportFolders() {
    fs::create_directories(data);
    fs::create_directories(target);
  }
  bool Export(const fs::path& into) {
    return ExportArchive(data.string(), [into] { return into.string(); });
  }
  void Command(const fs::path& into) {
    const auto box = [this](const std::string& text, int, const std::string& title) {
      said.push_back(title + ": " + text);
      return answer;
    };
    ExportCommand(box, data.string(), [this, into] {
      EXPECT_EQ(answer, kIdOk) << "the chooser opened after Cancel";
      return into.string();
    });
  }
};

TEST_F(ExportFolders, ArchiveUnpacksToExactlyTheFilesAndBytesOfTheFolder) {
  // An empty folder gives a valid empty archive.
  ASSERT_TRUE(Export(target));
  EXPECT_TRUE(ReadArchive(target / "Lenvari Archive.zip").empty());

  std::string binary;
  for (int i = 0; i < 70000; ++i) binary += static_cast<char>((i * 7919) >> 3);
  const std::map<std::string, std::string> files = {
      {"globalconfig.cfg", "Mirror&:\r\n 0\r\n"},
      {"LV0.LET", "ABCDEFGH\r\n"},
      {"1LVGallery.bmp", binary},
      {"empty.txt", ""},
      {"sub/deeper/Notes With Spaces.txt", "line\n"},
  };
  for (const auto& [name, bytes] : files) WriteFile(data / name, bytes);
  fs::create_directories(data / "empty folder");

  ASSERT_TRUE(Export(target));
  std::map<std::string, std::string> expected = files;
  expected["sub/"] = "", expected["sub/deeper/"] = "", expected["empty folder/"] = "";
  EXPECT_EQ(ReadArchive(target / "Lenvari Archive.zip"), expected);
  // The temporary file is gone once the archive has its name.
  EXPECT_EQ(FileNames(target.string()), std::set<std::string>{"Lenvari Archive.zip"});

  // Exported into the data folder itself, over an older archive, the archive leaves itself out.
  WriteFile(data / "Lenvari Archive.zip", "an older archive");
  ASSERT_TRUE(Export(data));
  ASSERT_TRUE(Export(data));
  EXPECT_EQ(ReadArchive(data / "Lenvari Archive.zip"), expected);
}

TEST_F(ExportFolders, CancelOrFailureLeavesNoPartialFileAndKeepsTheOldArchive) {
  WriteFile(data / "a.cfg", "a");
  // A cancelled chooser gives "", which must not turn into the current folder.
  const fs::path before = fs::current_path();
  fs::current_path(target);
  EXPECT_FALSE(Export(""));
  fs::current_path(before);
  EXPECT_FALSE(fs::exists(data / "Lenvari Archive.zip"));
  EXPECT_FALSE(ExportArchive((data / "missing").string(), [this] { return target.string(); }));
  EXPECT_FALSE(Export(target / "missing"));
  EXPECT_TRUE(FileNames(target.string()).empty());

  // A folder in the archive's place: the archive is complete, but it cannot take its name.
  fs::create_directories(target / "Lenvari Archive.zip" / "inside");
  EXPECT_FALSE(Export(target));
  EXPECT_EQ(FileNames(target.string()), std::set<std::string>{"Lenvari Archive.zip"});
  fs::remove_all(target / "Lenvari Archive.zip");

  // A file system nobody may write to, not even root.
  if (fs::is_directory("/proc/self")) EXPECT_FALSE(Export("/proc/self"));

  if (::geteuid() != 0) {  // root writes and reads whatever the permissions say
    const fs::path locked = target / "locked";
    fs::create_directories(locked);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(Export(locked));
    fs::permissions(locked, fs::perms::owner_all);
    EXPECT_TRUE(FileNames(locked.string()).empty());

    // A file that cannot be read fails the whole export; the old archive stays whole.
    ASSERT_TRUE(Export(target));
    WriteFile(data / "secret.cfg", "s");
    fs::permissions(data / "secret.cfg", fs::perms::none);
    EXPECT_FALSE(Export(target));
    EXPECT_EQ(ReadArchive(target / "Lenvari Archive.zip"),
              (std::map<std::string, std::string>{{"a.cfg", "a"}}));
    EXPECT_EQ(FileNames(target.string()).size(), 2u);  // the archive and locked
  }
}

TEST_F(ExportFolders, AskedFirstThenLinksAreLeftOutAndNamedAndSoAreTheLockAndLeftoversOfSaves) {
  WriteFile(data / "LV1.LET", "mine");
  const fs::path elsewhere = fs::path(root.path().toStdString()) / "elsewhere";
  WriteFile(elsewhere / "passwd", "root:x:0:0");
  fs::create_symlink(elsewhere / "passwd", data / "notes.txt");
  fs::create_directory_symlink(elsewhere, data / "linked folder");
  ASSERT_EQ(::mkfifo((data / "pipe").c_str(), 0644), 0);
  for (const char* name : {"lenvari-acuity.lock", "1lvconfig.cfg.0123abcd.tmp", "1LVGallery.bmp.Ab3dE9",
                           "1presets.cfg.tmp"})
    WriteFile(data / name, "half");

  // The command asks first and exports only on OK.
  answer = kIdCancel;
  Command(target);
  EXPECT_EQ(Tie(said.size(), fs::is_empty(target)), Tie(1u, true));
  said.clear(), answer = kIdOk;
  Command(target);
  EXPECT_EQ(ReadArchive(target / "Lenvari Archive.zip"),
            (std::map<std::string, std::string>{{"LV1.LET", "mine"}}));
  ASSERT_EQ(said.size(), 2u);
  EXPECT_EQ(said[1], "Lenvari Export to ZIP File: The archive was written, but these are not files "
                     "of the data folder and were left out of it:\\nlinked folder: a link\\nnotes.txt: "
                     "a link\\npipe: a FIFO (named pipe)");

  // A failure is said: the examiner must not believe a copy was made.
  said.clear();
  for (const char* name : {"pipe", "notes.txt", "linked folder"}) fs::remove(data / name);
  Command(target / "missing");
  ASSERT_EQ(said.size(), 2u);
  EXPECT_EQ(said[1].find("Lenvari Export to ZIP File: The archive could not be written:\\n" +
                         (target / "missing" / "Lenvari Archive.zip").string() + ": "),
            0u)
      << said[1];
  EXPECT_NE(said[1].find("No archive was made"), std::string::npos);
}

}  // namespace
}  // namespace lenvari
