#pragma once
// The export of the whole data folder as one ZIP archive, to be copied into the data folder
// of another computer to move a complete configuration there.

#include <functional>
#include <string>

#include "platform/ZipArchive.h"

namespace lenvari {

inline constexpr const char* kArchiveFileName = "Lenvari Archive.zip";

// Asks for the target folder (the chooser returns "" when cancelled) and writes
// kArchiveFileName there holding every file of the data folder. A cancelled chooser exports
// nothing. The archive appears only when complete, so a failed export leaves no partial file
// and a previous archive in that folder stays as it was. The folder's lock file and what
// interrupted saves left are not exported; links and other entries that are not files are
// left out and listed in `outcome`. True when the archive was written.
bool ExportArchive(const std::string& dataPath, const std::function<std::string()>& chooseFolder,
                   ZipResult* outcome = nullptr);

// Whether an entry of the data folder stays out of the archive: the lock file and leftovers
// of interrupted saves.
bool LeftOutOfArchive(const std::string& entryName);

// What the examiner is told after an export: why no archive was made, or what was left out
// of it; "" when the whole folder went into the archive.
std::string ExportOutcomeText(const ZipResult& result);

}  // namespace lenvari
