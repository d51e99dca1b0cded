#include "store/DataFolder.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace lenvari {
namespace fs = std::filesystem;
namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

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
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  if (error) return fs::current_path(error).string();
  return self.parent_path().string();
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
    const fs::path folder = fs::path(base) / product / program;
    fs::create_directories(folder, error);
    return folder.string();
  }
  return ProgramFolder();
}

std::string ResolveDataFile(const std::string& folder, const std::string& name) {
  const fs::path exact = fs::path(folder) / name;
  std::error_code error;
  if (fs::exists(exact, error)) return exact.string();
  const std::string wanted = Lower(name);
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (Lower(it->path().filename().string()) == wanted) return it->path().string();
  }
  return (fs::path(folder) / wanted).string();
}

FileRead ReadDataFile(const std::string& path) {
  FileRead result;
#ifdef _WIN32
  std::error_code error;
  const bool exists = fs::exists(path, error);
  if (!exists && !error) return result;
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  if (in) bytes << in.rdbuf();
  if (!in || in.bad() || fs::is_directory(path, error)) {
    result.status = FileRead::Status::Unreadable;
    result.reason = "the file could not be opened for reading";
    return result;
  }
  result.bytes = bytes.str();
#else
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return result;
    result.status = FileRead::Status::Unreadable;
    result.reason = std::strerror(errno);
    return result;
  }
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      result.status = FileRead::Status::Unreadable;
      result.reason = std::strerror(errno);
      ::close(fd);
      result.bytes.clear();
      return result;
    }
    result.bytes.append(buffer, static_cast<size_t>(got));
  }
  ::close(fd);
#endif
  result.status = FileRead::Status::Read;
  return result;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  FileRead read = ReadDataFile(path);
  if (!read.Read()) return std::nullopt;
  return std::move(read.bytes);
}

namespace {

bool Fail(std::string* reason, const std::string& what) {
  if (reason) *reason = what;
  return false;
}

#ifdef _WIN32
std::string LastErrorText() { return "Windows error " + std::to_string(::GetLastError()); }
#else
std::string ErrnoText() { return std::strerror(errno); }

bool WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (wrote < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(wrote);
  }
  return true;
}
#endif

}  // namespace

bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string* reason) {
  // A file that already holds these bytes is left alone: every start saves all settings, and
  // flushing a dozen unchanged files to the disk would hold the first chart back for a second.
  if (const FileRead present = ReadDataFile(path); present.Read() && present.bytes == bytes)
    return true;
  const fs::path target(path);
  fs::path temporary = target;
  temporary += ".tmp";
  std::error_code error;
#ifdef _WIN32
  const std::wstring wideTemporary = temporary.wstring();
  HANDLE file = ::CreateFileW(wideTemporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
  if (file == INVALID_HANDLE_VALUE) return Fail(reason, LastErrorText());
  DWORD written = 0;
  const bool ok = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                              nullptr) &&
                  written == bytes.size() && ::FlushFileBuffers(file);
  const std::string writeError = ok ? "" : LastErrorText();
  if (!::CloseHandle(file) || !ok) {
    fs::remove(temporary, error);
    return Fail(reason, ok ? LastErrorText() : writeError);
  }
  if (!::MoveFileExW(wideTemporary.c_str(), target.wstring().c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    const std::string moveError = LastErrorText();
    fs::remove(temporary, error);
    return Fail(reason, moveError);
  }
  return true;
#else
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return Fail(reason, ErrnoText());
  // Every step is checked: data that may not have reached the disk must not replace the file.
  bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  std::string failure = ok ? "" : ErrnoText();
  if (::close(fd) != 0 && ok) ok = false, failure = ErrnoText();
  if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) ok = false, failure = ErrnoText();
  if (!ok) {
    fs::remove(temporary, error);
    return Fail(reason, failure);
  }
  // The rename itself lives in the folder; until the folder is flushed a power cut can undo it.
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderFd >= 0) {
    const bool flushed = ::fsync(folderFd) == 0;
    const std::string flushError = flushed ? "" : ErrnoText();
    ::close(folderFd);
    if (!flushed) return Fail(reason, flushError);
  }
  return true;
#endif
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
