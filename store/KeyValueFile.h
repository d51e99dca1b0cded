#pragma once
// The reading and writing shared by the small files of this program's own ("lvdisplay.cfg",
// "lvcontrolwindow.cfg", "lvphoneremote.cfg"): key line, value line, CR LF (AppendSetting), saved atomically in the
// data folder. Each file keeps its own keys and what it accepts of their values.

#include <map>
#include <optional>
#include <string>

namespace lenvari {

// The value of each key of `text`; a key given twice has its last value, and a key without a
// value line ends the reading.
std::map<std::string, std::string> ParseKeyValues(const std::string& text);

// The value of `key` among `values`, nothing when the file does not give it.
std::optional<std::string> ValueOf(const std::map<std::string, std::string>& values,
                                   const char* key);

// The text of the data folder's file `name`, nothing when it is missing or unreadable;
// `unreadable` gets the reason when it exists and could not be read (the caller must then not
// save over it).
std::optional<std::string> ReadOwnFile(const std::string& dataPath, const char* name,
                                       std::string* unreadable);
// False when it could not be written, with the reason in `reason`.
bool WriteOwnFile(const std::string& dataPath, const char* name, const std::string& text,
                  std::string* reason);

}  // namespace lenvari
