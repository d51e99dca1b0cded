#pragma once
// The export of the whole data folder as one ZIP archive, to be copied into the data folder
// of another computer to move a complete configuration there.

#include <functional>
#include <string>

#include "platform/ZipArchive.h"

namespace lenvari {

inline constexpr const char* kArchiveFileName = "Lenvari Archive.zip";
inline constexpr const char* kExportTitle = "Lenvari Export to ZIP File";
inline constexpr const char* kExportFolderTitle = "Select Folder";
inline constexpr const char* kExportPromptText =
    "Please select the directory to save the Lenvari Archive.  The file will "
    "be named 'Lenvari Archive.zip' and can be copied back to the Program Data directory "
    "to migrate your system's configuration to another computer";

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

// Shows a message box (text, style flags, title) and returns the button pressed; the console's
// ConsoleMessageBox.
using ExportMessageBox = std::function<int(const std::string&, int, const std::string&)>;

// The export command: the confirmation box (OK and Cancel), and the export only on OK. A
// failure is said, as are entries left out; a complete archive is silent.
void ExportCommand(const ExportMessageBox& messageBox, const std::string& dataPath,
                   const std::function<std::string()>& chooseFolder);

}  // namespace lenvari
