#include <gtest/gtest.h>
#include <zip.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "platform/ZipArchive.h"

namespace lenvari {
namespace {

namespace fs = std::filesystem;

struct TempFolder {
  fs::path path;
  explicit TempFolder(const std::string& name)
      : path(fs::temp_directory_path() /
             (name + "-" + std::to_string(::getpid()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
    fs::remove_all(path);
    fs::create_directories(path);
  }
  ~TempFolder() {
    std::error_code error;
    fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(path, error);
  }
};

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
  if (!archive) return entries;
  for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
    zip_stat_t stat;
    zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &stat);
    std::string bytes(stat.size, '\0');
    zip_file_t* file = zip_fopen_index(archive, static_cast<zip_uint64_t>(i), 0);
    EXPECT_NE(file, nullptr);
    if (file) {
      EXPECT_EQ(zip_fread(file, bytes.data(), stat.size), static_cast<zip_int64_t>(stat.size));
      zip_fclose(file);
    }
    entries[stat.name] = bytes;
  }
  zip_close(archive);
  return entries;
}

std::vector<std::string> FolderNames(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
  return names;
}

TEST(ZipArchive, UnpacksToExactlyTheFilesAndBytesOfTheFolder) {
  TempFolder data("lenvari-zip-data");
  TempFolder target("lenvari-zip-target");
  std::string binary;
  for (int i = 0; i < 70000; ++i) binary += static_cast<char>((i * 7919) >> 3);
  const std::map<std::string, std::string> files = {
      {"globalconfig.cfg", "Mirror&:\r\n 0\r\n"},
      {"LV0.LET", "ABCDEFGH\r\n"},
      {"1LVGallery.bmp", binary},
      {"empty.txt", ""},
      {"sub/deeper/Notes With Spaces.txt", "line\n"},
  };
  for (const auto& [name, bytes] : files) WriteFile(data.path / name, bytes);
  fs::create_directories(data.path / "empty folder");

  const fs::path archive = target.path / "out.zip";
  ASSERT_TRUE(WriteFolderToZip(data.path.string(), archive.string()));

  std::map<std::string, std::string> expected = files;
  expected["sub/"] = "";
  expected["sub/deeper/"] = "";
  expected["empty folder/"] = "";
  EXPECT_EQ(ReadArchive(archive), expected);
  // The temporary file is gone once the archive has its name.
  EXPECT_EQ(FolderNames(target.path), std::vector<std::string>{"out.zip"});
}

TEST(ZipArchive, WrittenIntoTheFolderItLeavesItselfOut) {
  TempFolder data("lenvari-zip-self");
  WriteFile(data.path / "lvmonitordata.cfg", "x");
  WriteFile(data.path / "skip-me.cfg", "y");
  const fs::path archive = data.path / "Lenvari Archive.zip";
  WriteFile(archive, "an older archive");  // replaced, and not packed into the new one

  ASSERT_TRUE(WriteFolderToZip(data.path.string(), archive.string(),
                               {(data.path / "sub" / ".." / "skip-me.cfg").string()}));
  const auto entries = ReadArchive(archive);
  EXPECT_EQ(entries, (std::map<std::string, std::string>{{"lvmonitordata.cfg", "x"}}));
  // A second export over the first still leaves the archive out.
  ASSERT_TRUE(WriteFolderToZip(data.path.string(), archive.string()));
  EXPECT_EQ(ReadArchive(archive).count("Lenvari Archive.zip"), 0u);
  EXPECT_EQ(ReadArchive(archive).size(), 2u);
}

TEST(ZipArchive, EmptyFolderGivesAValidEmptyArchive) {
  TempFolder data("lenvari-zip-empty");
  TempFolder target("lenvari-zip-empty-target");
  const fs::path archive = target.path / "empty.zip";
  ASSERT_TRUE(WriteFolderToZip(data.path.string(), archive.string()));
  EXPECT_TRUE(ReadArchive(archive).empty());
}

TEST(ZipArchive, FailureLeavesNoPartialFileAndKeepsTheOldArchive) {
  TempFolder data("lenvari-zip-fail");
  TempFolder target("lenvari-zip-fail-target");
  WriteFile(data.path / "a.cfg", "a");

  // Missing data folder, missing target folder.
  EXPECT_FALSE(WriteFolderToZip((data.path / "missing").string(), (target.path / "x.zip").string()));
  EXPECT_FALSE(WriteFolderToZip(data.path.string(), (target.path / "missing" / "x.zip").string()));
  EXPECT_TRUE(FolderNames(target.path).empty());

  // A folder in the archive's place: the archive is complete, but it cannot take its name.
  fs::create_directories(target.path / "busy.zip" / "inside");
  EXPECT_FALSE(WriteFolderToZip(data.path.string(), (target.path / "busy.zip").string()));
  EXPECT_EQ(FolderNames(target.path), std::vector<std::string>{"busy.zip"});
  fs::remove_all(target.path / "busy.zip");

  // A file system nobody may write to, not even root.
  if (fs::is_directory("/proc/self")) {
    EXPECT_FALSE(WriteFolderToZip(data.path.string(), "/proc/self/Lenvari Archive.zip"));
  }

  if (::geteuid() != 0) {  // root writes and reads whatever the permissions say
    // A target folder that cannot be written.
    const fs::path locked = target.path / "locked";
    fs::create_directories(locked);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(WriteFolderToZip(data.path.string(), (locked / "x.zip").string()));
    fs::permissions(locked, fs::perms::owner_all);
    EXPECT_TRUE(FolderNames(locked).empty());

    // A file that cannot be read fails the whole export; the old archive stays whole.
    const fs::path archive = target.path / "keep.zip";
    ASSERT_TRUE(WriteFolderToZip(data.path.string(), archive.string()));
    WriteFile(data.path / "secret.cfg", "s");
    fs::permissions(data.path / "secret.cfg", fs::perms::none);
    EXPECT_FALSE(WriteFolderToZip(data.path.string(), archive.string()));
    EXPECT_EQ(ReadArchive(archive), (std::map<std::string, std::string>{{"a.cfg", "a"}}));
    EXPECT_EQ(FolderNames(target.path).size(), 2u);  // keep.zip and locked
  }
}

}  // namespace
}  // namespace lenvari
