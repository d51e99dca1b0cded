#pragma once
// The data folder and the one way its files are named, read and written.

#include <optional>
#include <string>
#include <vector>

#include "platform/FileAccess.h"

namespace lenvari {

// The data folder for the product and program folder names. With `overrideFolder` set
// (--data-dir) that folder itself is used. Otherwise the shared application-data folder of the
// platform (ProgramData on Windows; $XDG_DATA_HOME or ~/.local/share elsewhere) + product +
// program, and when there is none, the program's own folder. Missing folders are created.
std::string GetDataFolder(const std::string& product, const std::string& program,
                          const std::string& overrideFolder);

// The path of `name` in `folder`. A file that exists under the same name in another letter
// case is that file (folders copied from another computer keep their mixed case); a new file
// gets the lower-case name.
std::string ResolveDataFile(const std::string& folder, const std::string& name);

// Reads a whole file; nothing when it is missing or unreadable.
std::optional<std::string> ReadWholeFile(const std::string& path);

// How many backups of one file are kept; older ones are removed when a new one is made.
constexpr int kBackupGenerations = 5;

// Keeps a copy of an existing file as `path` + "." + the local date and time + ".bak"
// ("lv3.let.2026-12-07-031500.bak", with ".2", ".3" .. before ".bak" when that name is
// taken), written like any save, so no backup is ever overwritten. A file whose content is
// `replacement` is not copied (nothing would be lost). Returns the backup's path, or empty
// when none was made.
std::string KeepBackup(const std::string& path, const std::string* replacement = nullptr);

// The backups kept of `path`, oldest first.
std::vector<std::string> BackupsOf(const std::string& path);

}  // namespace lenvari
