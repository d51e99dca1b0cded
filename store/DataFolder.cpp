#include "store/DataFolder.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <utility>

#include "common/TextCase.h"
#include "platform/FolderRights.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace lenvari {
namespace fs = std::filesystem;
namespace {

std::string SharedApplicationDataFolder() {
#ifdef _WIN32
  if (const char* programData = std::getenv("ProgramData"); programData && *programData)
    return programData;
  return "";
#else
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return xdg;
  if (const char* home = std::getenv("HOME"); home && *home)
    return (fs::path(home) / ".local" / "share").string();
  return "";
#endif
}

std::string WithoutTrailingSeparators(std::string path) {
  while (path.size() > 1 && (path.back() == '/' || path.back() == '\\')) path.pop_back();
  return path;
}

std::string ProgramFolder() {
  std::error_code error;
#ifdef _WIN32
  wchar_t self[MAX_PATH];
  const DWORD length = ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  if (length == 0 || length == MAX_PATH) return fs::current_path(error).string();
  return fs::path(std::wstring(self, length)).parent_path().string();
#else
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  if (error) return fs::current_path(error).string();
  return self.parent_path().string();
#endif
}

}  // namespace

std::string GetDataFolder(const std::string& product, const std::string& program,
                          const std::string& overrideFolder) {
  std::error_code error;
  if (!overrideFolder.empty()) {
    fs::create_directories(overrideFolder, error);
    return WithoutTrailingSeparators(fs::absolute(overrideFolder, error).string());
  }
  const std::string base = WithoutTrailingSeparators(SharedApplicationDataFolder());
  if (!base.empty()) {
    // Shared by every user of the PC: the folders made here let all of them write (the
    // program's folder inherits that from the product's when both are new).
    const fs::path productFolder = fs::path(base) / product;
    const fs::path folder = productFolder / program;
    if (fs::create_directories(productFolder, error)) ShareFolderWithAllUsers(productFolder.string());
    if (fs::create_directory(folder, error)) ShareFolderWithAllUsers(folder.string());
    return folder.string();
  }
  return ProgramFolder();
}

std::string ResolveDataFile(const std::string& folder, const std::string& name) {
  const fs::path exact = fs::path(folder) / name;
  std::error_code error;
  // Windows finds "LV3.LET" as "lv3.let" too: the name as it is on the disk is looked up, so
  // backups and leftovers are named after the file they belong to.
#ifndef _WIN32
  if (fs::exists(exact, error)) return exact.string();
#endif
  const std::string wanted = LowerCase(name);
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (LowerCase(it->path().filename().string()) == wanted) return it->path().string();
  }
  return (fs::path(folder) / wanted).string();
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  FileRead read = ReadDataFile(path);
  if (!read.Read()) return std::nullopt;
  return std::move(read.bytes);
}

namespace {

std::string BackupStamp() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y-%m-%d-%H%M%S", &local);
  return stamp;
}

// The order of a backup among its file's: its stamp, then its number within the second.
struct BackupKey {
  std::string stamp;
  int number = 1;
  bool operator<(const BackupKey& other) const {
    return stamp != other.stamp ? stamp < other.stamp : number < other.number;
  }
};

// "<file>.<stamp>.bak" or "<file>.<stamp>.<n>.bak" for the file named `file`.
std::optional<BackupKey> BackupKeyOf(const std::string& name, const std::string& file) {
  const std::string prefix = file + ".";
  if (!name.starts_with(prefix) || !name.ends_with(".bak")) return std::nullopt;
  const std::string middle = name.substr(prefix.size(), name.size() - prefix.size() - 4);
  constexpr size_t kStampLength = 17;  // YYYY-MM-DD-HHMMSS
  if (middle.size() < kStampLength) return std::nullopt;
  BackupKey key{middle.substr(0, kStampLength), 1};
  for (char c : key.stamp)
    if (!std::isdigit(static_cast<unsigned char>(c)) && c != '-') return std::nullopt;
  if (middle.size() > kStampLength) {
    const std::string number = middle.substr(kStampLength);
    if (number.size() < 2 || number.size() > 6 || number[0] != '.') return std::nullopt;
    key.number = 0;
    for (char c : number.substr(1)) {
      if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
      key.number = key.number * 10 + (c - '0');
    }
  }
  return key;
}

}  // namespace

std::vector<std::string> BackupsOf(const std::string& path) {
  const fs::path target(path);
  const std::string file = target.filename().string();
  std::vector<std::pair<BackupKey, std::string>> found;
  std::error_code error;
  for (fs::directory_iterator it(target.parent_path(), error), end; !error && it != end;
       it.increment(error)) {
    if (auto key = BackupKeyOf(it->path().filename().string(), file))
      found.emplace_back(*key, it->path().string());
  }
  std::sort(found.begin(), found.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string> paths;
  for (auto& entry : found) paths.push_back(std::move(entry.second));
  return paths;
}

std::string KeepBackup(const std::string& path, const std::string* replacement) {
  const FileRead read = ReadDataFile(path);
  if (!read.Read()) return "";
  if (replacement && read.bytes == *replacement) return "";
  const std::string stem = path + "." + BackupStamp();
  std::string backup = stem + ".bak";
  std::error_code error;
  for (int n = 2; fs::exists(backup, error) || fs::is_symlink(backup, error); ++n)
    backup = stem + "." + std::to_string(n) + ".bak";
  if (!WriteFileAtomically(backup, read.bytes)) return "";
  std::vector<std::string> kept = BackupsOf(path);
  for (size_t i = 0; i + kBackupGenerations < kept.size(); ++i) fs::remove(kept[i], error);
  return backup;
}

}  // namespace lenvari
