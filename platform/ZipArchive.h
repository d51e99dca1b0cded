#pragma once
// Writing a folder into one ZIP archive.

#include <functional>
#include <string>
#include <vector>

namespace lenvari {

struct ZipResult {
  bool written = false;
  std::string reason;                // why it was not written
  std::vector<std::string> leftOut;  // "name: a link", entries that are not files or folders
};

// Writes every file under `folder` (recursively; entry names relative to `folder`, with
// forward slashes; subfolders as folder entries so empty ones survive) into the ZIP archive
// `archivePath`. Files are read by the data folder's rule: links (to files or folders), FIFOs,
// devices and sockets are never followed or read; they are left out and listed in `leftOut`.
// Entries for which `leaveOut` (given the entry name) is true are left out silently; the
// archive itself and its temporary file are always left out, so the archive may be written
// into `folder`.
//
// The archive is built under a temporary name next to `archivePath`, flushed, and renamed over
// it only when complete, the folder flushed after: on any failure (folder missing, target not
// writable, a file unreadable, disk full) `written` is false with the reason, nothing is left
// at the temporary name, and a previous archive at `archivePath` is untouched. An empty folder
// gives a valid empty archive.
ZipResult WriteFolderToZip(const std::string& folder, const std::string& archivePath,
                           const std::function<bool(const std::string&)>& leaveOut = {});

}  // namespace lenvari
