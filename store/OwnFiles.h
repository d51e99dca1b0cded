#pragma once
// Which names in the data folder are this program's: the files it reads and writes, and what
// an interrupted save of one of them leaves behind. Everything else in the folder is the
// examiner's and is never removed or taken for one of ours.

#include <filesystem>
#include <string>
#include <vector>

namespace lenvari {

// A file the program reads or writes, whatever its letter case: the settings, preset,
// letter-set and own settings files, the gallery pictures, their indexes, the image slots,
// the archive.
bool IsOwnFileName(const std::string& name);

// What only an interrupted save can have left: a temporary file of a save ("<file>.<eight
// hexadecimal digits>.tmp", and the archive library's "<that>.XXXXXX"), and the temporary
// names of earlier versions, each only of one of the program's own files ("<own>.tmp",
// "<own .bmp>.XXXXXX" of a picture save, ".Lenvari Archive.zip.<digits>.tmp").
bool IsLeftoverOfSave(const std::string& name);

// Removes every leftover of a save in the folder last changed before `before` (the moment
// this run took the folder's lock: no save of another run can still be under way). Only
// regular files are removed. Returns the names removed.
std::vector<std::string> RemoveLeftoversOfSaves(const std::string& folder,
                                                std::filesystem::file_time_type before);

// The program's own names in the folder under which something else than a regular file
// stands, each as "path: it is a FIFO (named pipe)": they can neither be read nor saved.
std::vector<std::string> OwnNamesThatAreNotFiles(const std::string& folder);

}  // namespace lenvari
