#include <gtest/gtest.h>
#include <zip.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "platform/ConsoleHost.h"
#include "store/ExportArchive.h"

namespace lenvari {
namespace {

namespace fs = std::filesystem;

// Answers every message box with one button and remembers what it was asked.
struct AnsweringBox {
  explicit AnsweringBox(int button) : answer(button) {}
  int answer;
  int asked = 0;
  std::string message, title;
  int style = -1;
  ExportMessageBox Box() {
    return [this](const std::string& m, int s, const std::string& t) {
      ++asked;
      message = m;
      style = s;
      title = t;
      return answer;
    };
  }
};

struct ExportFolders {
  fs::path data, target;
  ExportFolders() {
    const fs::path root = fs::temp_directory_path() /
                          ("lenvari-export-" + std::to_string(::getpid()) + "-" +
                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root);
    data = root / "LenvariAcuity4";
    target = root / "USB Stick";
    fs::create_directories(data);
    fs::create_directories(target);
    std::ofstream(data / "globalconfig.cfg", std::ios::binary) << "Mirror&:\r\n 0\r\n";
    std::ofstream(data / "LV1.LET", std::ios::binary) << "CDHKNORSVZ\r\n";
  }
  ~ExportFolders() { fs::remove_all(data.parent_path()); }
};

std::set<std::string> EntryNames(const fs::path& archivePath) {
  std::set<std::string> names;
  zip_t* archive = zip_open(archivePath.string().c_str(), ZIP_RDONLY, nullptr);
  if (!archive) return names;
  for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i)
    names.insert(zip_get_name(archive, static_cast<zip_uint64_t>(i), 0));
  zip_close(archive);
  return names;
}

TEST(ExportArchive, WritesTheNamedArchiveIntoTheChosenFolder) {
  ExportFolders folders;
  int asked = 0;
  EXPECT_TRUE(ExportArchive(folders.data.string(), [&] {
    ++asked;
    return folders.target.string();
  }));
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(EntryNames(folders.target / "Lenvari Archive.zip"),
            (std::set<std::string>{"globalconfig.cfg", "LV1.LET"}));

  // Exported into the data folder itself, the archive is not part of itself.
  EXPECT_TRUE(ExportArchive(folders.data.string(), [&] { return folders.data.string(); }));
  EXPECT_EQ(EntryNames(folders.data / "Lenvari Archive.zip"),
            (std::set<std::string>{"globalconfig.cfg", "LV1.LET"}));
}

TEST(ExportArchive, CancelledChooserWritesNothing) {
  ExportFolders folders;
  const fs::path before = fs::current_path();
  fs::current_path(folders.target);  // "" must not turn into the current folder
  EXPECT_FALSE(ExportArchive(folders.data.string(), [] { return std::string(); }));
  fs::current_path(before);
  EXPECT_TRUE(fs::is_empty(folders.target));
  EXPECT_FALSE(fs::exists(folders.data / "Lenvari Archive.zip"));
}

TEST(ExportArchive, CommandAsksFirstAndExportsOnlyOnOk) {
  ExportFolders folders;
  int chooserCalls = 0;
  const auto chooser = [&] {
    ++chooserCalls;
    return folders.target.string();
  };

  AnsweringBox cancel(kIdCancel);
  ExportCommand(cancel.Box(), folders.data.string(), chooser);
  EXPECT_EQ(cancel.asked, 1);
  EXPECT_EQ(cancel.title, "Lenvari Export to ZIP File");
  EXPECT_EQ(cancel.style, 1);
  EXPECT_EQ(cancel.message,
            "Please select the directory to save the Lenvari Archive.  The file will be named "
            "'Lenvari Archive.zip' and can be copied back to the Program Data directory to "
            "migrate your system's configuration to another computer");
  EXPECT_EQ(chooserCalls, 0);
  EXPECT_TRUE(fs::is_empty(folders.target));

  AnsweringBox ok(kIdOk);
  ExportCommand(ok.Box(), folders.data.string(), chooser);
  EXPECT_EQ(chooserCalls, 1);
  EXPECT_TRUE(fs::exists(folders.target / "Lenvari Archive.zip"));
}

}  // namespace
}  // namespace lenvari
