#pragma once
// One running program per data folder: an exclusive lock on a file in the folder, held for
// the life of the process. The operating system drops it when the process ends in any way,
// a crash or a kill included, so a dead run never leaves the folder locked.

#include <memory>
#include <string>

namespace lenvari {

constexpr const char* kFolderLockFileName = "lenvari-acuity.lock";

class FolderLock {
 public:
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  // Takes the lock of `folder`; nothing when another process holds it (or the lock file
  // cannot be made, `reason` says which).
  static std::unique_ptr<FolderLock> Take(const std::string& folder, std::string& reason);

 private:
  explicit FolderLock(long long handle) : handle_(handle) {}
  long long handle_;
};

}  // namespace lenvari
