#pragma once
// The data folder and the one way its files are named, read and written.

#include <optional>
#include <string>

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

// Writes the bytes to a temporary file in the same folder and renames it over `path`, so a
// crash or a full disk during the write leaves the previous file whole. False on failure,
// in which case nothing at `path` has changed.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);

// Copies an existing file to `path` + ".bak" (replacing an older backup), so data about to be
// rebuilt from defaults can still be recovered.
void KeepBackup(const std::string& path);

}  // namespace lenvari
