#include "platform/FolderLock.h"

#include <filesystem>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace lenvari {

FolderLock::~FolderLock() {
#ifdef _WIN32
  ::CloseHandle(reinterpret_cast<HANDLE>(handle_));
#else
  ::close(static_cast<int>(handle_));
#endif
}

std::unique_ptr<FolderLock> FolderLock::Take(const std::string& folder, std::string& reason) {
  const std::filesystem::path path = std::filesystem::path(folder) / kFolderLockFileName;
#ifdef _WIN32
  // Opened without sharing: a second open fails until the holder's handle is closed, which
  // Windows does when the process ends.
  HANDLE file = ::CreateFileW(path.wstring().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    reason = ::GetLastError() == ERROR_SHARING_VIOLATION ? "in use"
                                                         : "the lock file cannot be made";
    return nullptr;
  }
  return std::unique_ptr<FolderLock>(new FolderLock(reinterpret_cast<long long>(file)));
#else
  // Opened by the data folder's rule: a FIFO under the lock's name must not hold the start,
  // and a link must not lead the lock (and the file it creates) out of the folder.
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
  if (fd < 0) {
    reason = errno == ELOOP ? "it is a link" : std::strerror(errno);
    return nullptr;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    reason = "it is not a regular file";
    ::close(fd);
    return nullptr;
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    reason = errno == EWOULDBLOCK ? "in use" : std::strerror(errno);
    ::close(fd);
    return nullptr;
  }
  return std::unique_ptr<FolderLock>(new FolderLock(fd));
#endif
}

}  // namespace lenvari
