#include "platform/ZipArchive.h"

#include <zip.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <system_error>

#include "platform/FileAccess.h"

#ifndef _WIN32
#include <cerrno>
#include <unistd.h>
#endif

namespace lenvari {

namespace fs = std::filesystem;

namespace {

// Two spellings of one file compare equal once made absolute and normalised; the archive and
// its temporary file do not exist yet when the folder is listed, so this cannot ask the file
// system whether they are the same file.
fs::path Normalised(const fs::path& path) {
  std::error_code error;
  fs::path result = fs::weakly_canonical(fs::absolute(path, error), error);
  return error ? path.lexically_normal() : result;
}

std::string EntryName(const fs::path& relative) {
  const std::u8string utf8 = relative.generic_u8string();
  return std::string(utf8.begin(), utf8.end());
}

#ifndef _WIN32
// A file read when the archive is written, opened then by the data folder's rule: what was a
// file when the folder was listed and is a link or a FIFO by then fails the export instead of
// being followed. One file is open at a time however many the folder holds.
struct RuleFileSource {
  std::string path;
  int fd = -1;
  zip_error_t error;
};

zip_int64_t ReadByRule(void* userdata, void* data, zip_uint64_t length, zip_source_cmd_t command) {
  auto* source = static_cast<RuleFileSource*>(userdata);
  switch (command) {
    case ZIP_SOURCE_OPEN: {
      FileRead read;
      source->fd = OpenRegularFile(source->path, read);
      if (source->fd < 0) {
        zip_error_set(&source->error, ZIP_ER_OPEN,
                      read.status == FileRead::Status::Missing ? ENOENT : EACCES);
        return -1;
      }
      return 0;
    }
    case ZIP_SOURCE_READ: {
      for (;;) {
        const ssize_t got = ::read(source->fd, data, length);
        if (got >= 0) return got;
        if (errno == EINTR) continue;
        zip_error_set(&source->error, ZIP_ER_READ, errno);
        return -1;
      }
    }
    case ZIP_SOURCE_CLOSE:
      if (source->fd >= 0) ::close(source->fd);
      source->fd = -1;
      return 0;
    case ZIP_SOURCE_STAT: {
      auto* stat = static_cast<zip_stat_t*>(data);
      zip_stat_init(stat);
      std::error_code error;
      const auto time = fs::last_write_time(source->path, error);
      if (!error) {
        stat->mtime = static_cast<time_t>(std::chrono::duration_cast<std::chrono::seconds>(
                                              std::chrono::file_clock::to_sys(time).time_since_epoch())
                                              .count());
        stat->valid |= ZIP_STAT_MTIME;
      }
      return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_ERROR:
      return zip_error_to_data(&source->error, data, length);
    case ZIP_SOURCE_FREE:
      if (source->fd >= 0) ::close(source->fd);
      zip_error_fini(&source->error);
      delete source;
      return 0;
    case ZIP_SOURCE_SUPPORTS:
      return ZIP_SOURCE_SUPPORTS_READABLE;
    default:
      zip_error_set(&source->error, ZIP_ER_OPNOTSUPP, 0);
      return -1;
  }
}
#endif

// Adds one file; false with the reason when it cannot be read. Checked now rather than when
// the archive is closed, so an unreadable file fails the export before anything is written.
bool AddFile(zip_t* archive, const fs::path& path, const std::string& name, std::string& reason) {
#ifdef _WIN32
  const FileRead check = ReadDataFile(path.string());
  if (!check.Read()) return reason = name + ": " + check.reason, false;
  zip_source_t* source = zip_source_win32w(archive, path.c_str(), 0, -1);
#else
  FileRead check;
  const int fd = OpenRegularFile(path.string(), check);
  if (fd < 0) return reason = name + ": " + (check.reason.empty() ? "it is gone" : check.reason), false;
  ::close(fd);
  auto* rule = new RuleFileSource{path.string(), -1, {}};
  zip_error_init(&rule->error);
  zip_source_t* source = zip_source_function(archive, ReadByRule, rule);
  if (!source) delete rule;
#endif
  if (!source) return reason = name + ": " + zip_strerror(archive), false;
  if (zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE) < 0) {
    reason = name + ": " + zip_strerror(archive);
    zip_source_free(source);
    return false;
  }
  return true;
}

// Fills `archive` from the folder; false at the first entry that cannot be added.
bool AddFolder(zip_t* archive, const fs::path& root, const std::vector<fs::path>& skip,
               const std::function<bool(const std::string&)>& leaveOut, ZipResult& result,
               int& entries) {
  std::error_code error;
  // Links to folders are not descended into: only what is in the folder itself is exported.
  fs::recursive_directory_iterator it(root, fs::directory_options::none, error);
  if (error) return result.reason = root.string() + ": " + error.message(), false;
  for (; it != fs::recursive_directory_iterator(); it.increment(error)) {
    if (error) return result.reason = error.message(), false;
    const fs::path path = it->path();
    const std::string name = EntryName(path.lexically_relative(root));
    if (leaveOut && leaveOut(name)) {
      if (it->is_directory(error) && !it->is_symlink(error)) it.disable_recursion_pending();
      continue;
    }
    if (const std::string kind = NotARegularFile(path.string()); !kind.empty()) {
      if (kind == "a folder") {
        if (zip_dir_add(archive, name.c_str(), ZIP_FL_ENC_UTF_8) < 0)
          return result.reason = name + ": " + zip_strerror(archive), false;
        ++entries;
      } else {
        result.leftOut.push_back(name + ": " + kind);
      }
      continue;
    }
    const fs::path normal = Normalised(path);
    bool skipped = false;
    for (const fs::path& s : skip) skipped = skipped || normal == s;
    if (skipped) continue;
    if (!AddFile(archive, path, name, result.reason)) return false;
    ++entries;
  }
  return !error || (result.reason = error.message(), false);
}

}  // namespace

ZipResult WriteFolderToZip(const std::string& folder, const std::string& archivePath,
                           const std::function<bool(const std::string&)>& leaveOut) {
  ZipResult result;
  std::error_code error;
  const fs::path root(folder);
  if (!fs::is_directory(root, error)) {
    result.reason = folder + ": the data folder is missing";
    return result;
  }
  const fs::path target(archivePath);
  const fs::path temporary(TemporaryNameFor(archivePath));
  if (const std::string kind = NotARegularFile(archivePath); !kind.empty()) {
    result.reason = archivePath + ": it is " + kind;
    return result;
  }

  const std::vector<fs::path> skip{Normalised(target), Normalised(temporary)};
  int openError = 0;
  zip_t* archive = zip_open(temporary.string().c_str(), ZIP_CREATE | ZIP_EXCL, &openError);
  if (!archive) {
    zip_error_t zipError;
    zip_error_init_with_code(&zipError, openError);
    result.reason = archivePath + ": " + zip_error_strerror(&zipError);
    zip_error_fini(&zipError);
    return result;
  }

  int entries = 0;
  bool written = AddFolder(archive, root, skip, leaveOut, result, entries);
  std::sort(result.leftOut.begin(), result.leftOut.end());
  if (!written) {
    zip_discard(archive);
  } else if (entries == 0) {
    // libzip writes nothing at all for an archive without entries; an export of an empty
    // folder still gives a valid archive: the end-of-central-directory record alone.
    zip_discard(archive);
    static constexpr char kEndRecord[22] = {'P', 'K', 5, 6};
    written = WriteFileAtomically(archivePath, std::string(kEndRecord, sizeof kEndRecord),
                                  &result.reason);
    if (!written) result.reason = archivePath + ": " + result.reason;
    result.written = written;
    return result;
  } else {
    // libzip writes the archive under a name of its own and renames it to `temporary`.
    written = zip_close(archive) == 0;
    if (!written) {
      result.reason = archivePath + ": " + zip_strerror(archive);
      zip_discard(archive);
    }
  }
  if (written) {
    written = ReplaceWithFlushed(temporary.string(), archivePath, &result.reason);
    if (!written) result.reason = archivePath + ": " + result.reason;
  }
  if (!written) fs::remove(temporary, error);
  result.written = written;
  return result;
}

}  // namespace lenvari
