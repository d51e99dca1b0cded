#include "platform/ZipArchive.h"

#include <zip.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

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

// Hidden, and unique so that two exports into one folder never share a temporary file.
fs::path TemporaryArchivePath(const fs::path& archivePath) {
  std::random_device entropy;
  const unsigned long tag = (static_cast<unsigned long>(entropy()) << 16) ^ entropy();
  std::string name = ".";
  name += archivePath.filename().string();
  name += '.';
  name += std::to_string(tag % 0xFFFFFFu);
  name += ".tmp";
  return archivePath.parent_path() / name;
}

std::string EntryName(const fs::path& relative) {
  const std::u8string utf8 = relative.generic_u8string();
  return std::string(utf8.begin(), utf8.end());
}

bool AddFile(zip_t* archive, const fs::path& path, const std::string& name) {
  // Checked now rather than when the archive is closed, so an unreadable file fails the export
  // before anything is written.
  if (!std::ifstream(path, std::ios::binary)) return false;
#ifdef _WIN32
  zip_source_t* source = zip_source_win32w(archive, path.c_str(), 0, -1);
#else
  zip_source_t* source = zip_source_file(archive, path.c_str(), 0, -1);
#endif
  if (!source) return false;
  if (zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE) < 0) {
    zip_source_free(source);
    return false;
  }
  return true;
}

// libzip writes nothing at all for an archive without entries; an export of an empty folder
// still gives a valid archive: the end-of-central-directory record alone.
bool WriteEmptyArchive(const fs::path& path) {
  static constexpr char kEndRecord[22] = {'P', 'K', 5, 6};
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(kEndRecord, sizeof kEndRecord);
  out.close();
  return static_cast<bool>(out);
}

// Fills `archive` from the folder; false at the first entry that cannot be added.
bool AddFolder(zip_t* archive, const fs::path& root, const std::vector<fs::path>& skip,
               int& entries) {
  std::error_code error;
  fs::recursive_directory_iterator it(root, fs::directory_options::none, error);
  if (error) return false;
  for (; it != fs::recursive_directory_iterator(); it.increment(error)) {
    if (error) return false;
    const fs::path path = it->path();
    const std::string name = EntryName(path.lexically_relative(root));
    if (it->is_directory(error)) {
      if (zip_dir_add(archive, name.c_str(), ZIP_FL_ENC_UTF_8) < 0) return false;
      ++entries;
      continue;
    }
    if (!it->is_regular_file(error)) continue;  // sockets, pipes, dangling links
    const fs::path normal = Normalised(path);
    bool skipped = false;
    for (const fs::path& s : skip) skipped = skipped || normal == s;
    if (skipped) continue;
    if (!AddFile(archive, path, name)) return false;
    ++entries;
  }
  return !error;
}

}  // namespace

bool WriteFolderToZip(const std::string& folder, const std::string& archivePath,
                      const std::vector<std::string>& skip) {
  std::error_code error;
  const fs::path root(folder);
  if (!fs::is_directory(root, error)) return false;
  const fs::path target(archivePath);
  const fs::path temporary = TemporaryArchivePath(target);

  std::vector<fs::path> leaveOut{Normalised(target), Normalised(temporary)};
  for (const std::string& s : skip) leaveOut.push_back(Normalised(s));

  int openError = 0;
  zip_t* archive = zip_open(temporary.string().c_str(), ZIP_CREATE | ZIP_TRUNCATE, &openError);
  if (!archive) return false;

  int entries = 0;
  bool written = AddFolder(archive, root, leaveOut, entries);
  if (!written) {
    zip_discard(archive);
  } else if (entries == 0) {
    zip_discard(archive);
    written = WriteEmptyArchive(temporary);
  } else {
    written = zip_close(archive) == 0;
    if (!written) zip_discard(archive);
  }
  if (written) {
    fs::rename(temporary, target, error);
    written = !error;
  }
  if (!written) fs::remove(temporary, error);
  return written;
}

}  // namespace lenvari
