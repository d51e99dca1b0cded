#include "platform/FileAccess.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace lenvari {
namespace fs = std::filesystem;
namespace {

bool Fail(std::string* reason, const std::string& what) {
  if (reason) *reason = what;
  return false;
}

#ifdef _WIN32
std::string WindowsErrorText(DWORD code) { return "Windows error " + std::to_string(code); }
#else
std::string FolderOf(const std::string& path) {
  const fs::path target(path);
  return target.has_parent_path() ? target.parent_path().string() : std::string(".");
}

std::string ErrnoText() { return std::strerror(errno); }

std::string KindOf(mode_t mode) {
  if (S_ISREG(mode)) return "";
  if (S_ISFIFO(mode)) return "a FIFO (named pipe)";
  if (S_ISLNK(mode)) return "a link";
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  if (S_ISSOCK(mode)) return "a socket";
  return "not a regular file";
}

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

// The rename lives in the folder; until the folder is flushed a power cut can undo it.
bool FlushFolder(const std::string& path, std::string* reason) {
  const int folderFd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderFd < 0) return true;  // a folder that cannot be opened cannot be flushed either
  const bool flushed = ::fsync(folderFd) == 0;
  const std::string flushError = flushed ? "" : ErrnoText();
  ::close(folderFd);
  return flushed || Fail(reason, flushError);
}
#endif

}  // namespace

std::string NotARegularFile(const std::string& path) {
#ifdef _WIN32
  std::error_code error;
  const fs::file_status status = fs::symlink_status(path, error);
  if (error || status.type() == fs::file_type::not_found) return "";
  switch (status.type()) {
    case fs::file_type::regular: return "";
    case fs::file_type::symlink: return "a link";
    case fs::file_type::directory: return "a folder";
    default: return "not a regular file";
  }
#else
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) return "";
  return KindOf(info.st_mode);
#endif
}

int OpenRegularFile(const std::string& path, FileRead& read) {
#ifdef _WIN32
  (void)path;
  read.status = FileRead::Status::Unreadable;
  read.reason = "not supported";
  return -1;
#else
  read = FileRead{};
  // Without O_NONBLOCK opening a FIFO waits for a writer that never comes.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return -1;
    read.status = FileRead::Status::Unreadable;
    read.reason = errno == ELOOP ? "it is a link" : ErrnoText();
    return -1;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    read.status = FileRead::Status::Unreadable;
    read.reason = "it is " + KindOf(info.st_mode);
    ::close(fd);
    return -1;
  }
  return fd;
#endif
}

FileRead ReadDataFile(const std::string& path) {
  FileRead result;
#ifdef _WIN32
  if (const std::string kind = NotARegularFile(path); !kind.empty()) {
    result.status = FileRead::Status::Unreadable;
    result.reason = "it is " + kind;
    return result;
  }
  HANDLE file = ::CreateFileW(fs::path(path).wstring().c_str(), GENERIC_READ, FILE_SHARE_READ,
                              nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD code = ::GetLastError();
    if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) return result;
    result.status = FileRead::Status::Unreadable;
    result.reason = WindowsErrorText(code);
    return result;
  }
  char buffer[65536];
  DWORD got = 0;
  bool ok = true;
  while ((ok = ::ReadFile(file, buffer, sizeof buffer, &got, nullptr)) && got > 0)
    result.bytes.append(buffer, got);
  ::CloseHandle(file);
  if (!ok) {
    result.bytes.clear();
    result.status = FileRead::Status::Unreadable;
    result.reason = "the file could not be read";
    return result;
  }
#else
  const int fd = OpenRegularFile(path, result);
  if (fd < 0) return result;
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      result.status = FileRead::Status::Unreadable;
      result.reason = ErrnoText();
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

std::string TemporaryNameFor(const std::string& target) {
  static std::mt19937 generator{std::random_device{}()};
  static const char* kDigits = "0123456789abcdef";
  std::string tag(8, '0');
  for (char& c : tag) c = kDigits[generator() % 16];
  return target + "." + tag + ".tmp";
}

bool IsTemporaryName(const std::string& name) {
  constexpr size_t kTag = 8;
  if (name.size() < kTag + 6 || !name.ends_with(".tmp")) return false;
  const size_t dot = name.size() - 4 - kTag - 1;
  if (name[dot] != '.') return false;
  for (size_t i = dot + 1; i < dot + 1 + kTag; ++i)
    if (!std::isxdigit(static_cast<unsigned char>(name[i])) ||
        std::isupper(static_cast<unsigned char>(name[i])))
      return false;
  return dot > 0;
}

#ifndef _WIN32
// The last step of every replace: the temporary file, written and flushed when `ok`, takes the
// target's name and the folder is flushed; on any failure it is removed and `failure` reported.
bool CommitTemporary(const std::string& temporary, const std::string& target, bool ok,
                     std::string failure, std::string* reason) {
  if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) ok = false, failure = ErrnoText();
  if (!ok) {
    std::error_code error;
    fs::remove(temporary, error);
    return Fail(reason, failure);
  }
  return FlushFolder(target, reason);
}
#endif

bool ReplaceWithFlushed(const std::string& temporary, const std::string& target,
                        std::string* reason) {
#ifdef _WIN32
  // The other writer closed the file without flushing it: its bytes go to the disk before
  // its name does, and the move itself returns only once it is on the disk.
  std::string failure;
  HANDLE file = ::CreateFileW(fs::path(temporary).wstring().c_str(), GENERIC_WRITE, 0, nullptr,
                              OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file == INVALID_HANDLE_VALUE || !::FlushFileBuffers(file))
    failure = WindowsErrorText(::GetLastError());
  if (file != INVALID_HANDLE_VALUE) ::CloseHandle(file);
  if (const std::string kind = failure.empty() ? NotARegularFile(target) : ""; !kind.empty())
    failure = "it is " + kind;
  if (failure.empty() &&
      !::MoveFileExW(fs::path(temporary).wstring().c_str(), fs::path(target).wstring().c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    failure = WindowsErrorText(::GetLastError());
  if (failure.empty()) return true;
  std::error_code error;
  fs::remove(temporary, error);
  return Fail(reason, failure);
#else
  const int fd = ::open(temporary.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  bool ok = fd >= 0 && ::fsync(fd) == 0;
  std::string failure = ok ? "" : ErrnoText();
  if (fd >= 0) ::close(fd);
  if (const std::string kind = ok ? NotARegularFile(target) : ""; !kind.empty())
    ok = false, failure = "it is " + kind;
  return CommitTemporary(temporary, target, ok, failure, reason);
#endif
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string* reason) {
  // A file that already holds these bytes is left alone: every start saves all settings, and
  // flushing a dozen unchanged files to the disk would hold the first chart back for a second.
  if (const FileRead present = ReadDataFile(path); present.Read() && present.bytes == bytes)
    return true;
  // Whatever stands there that is not a file stays as it is: a FIFO, a folder, or a link,
  // which a save would otherwise replace by a file or write through to its target.
  if (const std::string kind = NotARegularFile(path); !kind.empty())
    return Fail(reason, "it is " + kind);
#ifdef _WIN32
  std::error_code error;
  fs::path temporary;
  HANDLE file = INVALID_HANDLE_VALUE;
  // A fresh name each time; one that exists already is never opened, another is drawn.
  for (int attempt = 0; attempt < 16 && file == INVALID_HANDLE_VALUE; ++attempt) {
    temporary = fs::path(TemporaryNameFor(path));
    file = ::CreateFileW(temporary.wstring().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                         FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
    if (file == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) break;
  }
  if (file == INVALID_HANDLE_VALUE) return Fail(reason, WindowsErrorText(::GetLastError()));
  DWORD written = 0;
  const bool ok = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                              nullptr) &&
                  written == bytes.size() && ::FlushFileBuffers(file);
  const std::string writeError = ok ? "" : WindowsErrorText(::GetLastError());
  ::CloseHandle(file);
  if (!ok) {
    fs::remove(temporary, error);
    return Fail(reason, writeError);
  }
  return ReplaceWithFlushed(temporary.string(), path, reason);
#else
  std::string temporary;
  int fd = -1;
  // A fresh name each time; one that happens to exist (a leftover, or something planted
  // there) is never opened, another name is drawn.
  for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
    temporary = TemporaryNameFor(path);
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) return Fail(reason, ErrnoText());
  // Every step is checked: data that may not have reached the disk must not replace the file.
  bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  std::string failure = ok ? "" : ErrnoText();
  if (::close(fd) != 0 && ok) ok = false, failure = ErrnoText();
  return CommitTemporary(temporary, path, ok, failure, reason);
#endif
}

}  // namespace lenvari
