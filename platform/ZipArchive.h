#pragma once
// Writing a folder into one ZIP archive.

#include <string>
#include <vector>

namespace lenvari {

// Writes every file under `folder` (recursively; entry names relative to `folder`, with
// forward slashes; subfolders as folder entries so empty ones survive) into the ZIP archive
// `archivePath`. Files whose path is one of `skip` are left out; the archive itself and its
// temporary file are always left out, so the archive may be written into `folder`.
//
// The archive is built under a temporary name next to `archivePath` and renamed over it only
// when complete: on any failure (folder missing, target not writable, a file unreadable, disk
// full) the function returns false, nothing is left at the temporary name, and a previous
// archive at `archivePath` is untouched. An empty folder gives a valid empty archive.
bool WriteFolderToZip(const std::string& folder, const std::string& archivePath,
                      const std::vector<std::string>& skip = {});

}  // namespace lenvari
