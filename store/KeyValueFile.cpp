#include "store/KeyValueFile.h"

#include "store/DataFolder.h"
#include "store/FieldReader.h"

namespace lenvari {

std::map<std::string, std::string> ParseKeyValues(const std::string& text) {
  std::map<std::string, std::string> values;
  FieldReader reader{text};
  std::string key, value;
  while (ReadLineField(reader, key)) {
    if (!ReadLineField(reader, value)) break;
    values[key] = value;
  }
  return values;
}

std::optional<std::string> ReadOwnFile(const std::string& dataPath, const char* name,
                                       std::string* unreadable) {
  const FileRead read = ReadDataFile(ResolveDataFile(dataPath, name));
  if (unreadable) *unreadable = read.status == FileRead::Status::Unreadable ? read.reason : "";
  if (!read.Read()) return std::nullopt;
  return read.bytes;
}

bool WriteOwnFile(const std::string& dataPath, const char* name, const std::string& text,
                  std::string* reason) {
  return WriteFileAtomically(ResolveDataFile(dataPath, name), text, reason);
}

std::optional<std::string> ValueOf(const std::map<std::string, std::string>& values,
                                   const char* key) {
  const auto it = values.find(key);
  if (it == values.end()) return std::nullopt;
  return it->second;
}

}  // namespace lenvari
