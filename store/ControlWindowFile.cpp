#include "store/ControlWindowFile.h"

#include <map>

#include "store/DataFolder.h"
#include "store/FieldReader.h"
#include "store/ValueWriter.h"

namespace lenvari {
namespace {

constexpr const char* kLeft = "ControlWindowLeft&:";
constexpr const char* kTop = "ControlWindowTop&:";
constexpr const char* kWidth = "ControlWindowWidth&:";
constexpr const char* kHeight = "ControlWindowHeight&:";

}  // namespace

std::string ControlWindowFileText(const ControlWindowRecord& record) {
  std::string text;
  AppendSetting(text, kLeft, IntegerValue(record.left));
  AppendSetting(text, kTop, IntegerValue(record.top));
  AppendSetting(text, kWidth, IntegerValue(record.width));
  AppendSetting(text, kHeight, IntegerValue(record.height));
  return text;
}

std::optional<ControlWindowRecord> ParseControlWindowFile(const std::string& text) {
  std::map<std::string, int> values;
  FieldReader reader{text};
  std::string key, value;
  while (ReadLineField(reader, key)) {
    if (!ReadLineField(reader, value)) break;
    values[key] = IntegerOf(value);
  }
  for (const char* needed : {kLeft, kTop, kWidth, kHeight})
    if (!values.count(needed)) return std::nullopt;
  const ControlWindowRecord record{values[kLeft], values[kTop], values[kWidth], values[kHeight]};
  if (record.width <= 0 || record.height <= 0) return std::nullopt;
  // A place no desktop has is no place: the arithmetic of placing it would overflow.
  const auto within = [](int value, int low, int high) { return value >= low && value <= high; };
  if (!within(record.left, -kLargestDesktopExtent, kLargestDesktopExtent) ||
      !within(record.top, -kLargestDesktopExtent, kLargestDesktopExtent) ||
      !within(record.width, 1, kLargestDesktopExtent) ||
      !within(record.height, 1, kLargestDesktopExtent))
    return std::nullopt;
  return record;
}

std::optional<ControlWindowRecord> LoadControlWindowPlace(const std::string& dataPath,
                                                          std::string* unreadable) {
  const FileRead read = ReadDataFile(ResolveDataFile(dataPath, kControlWindowFileName));
  if (unreadable) *unreadable = read.status == FileRead::Status::Unreadable ? read.reason : "";
  if (!read.Read()) return std::nullopt;
  return ParseControlWindowFile(read.bytes);
}

bool SaveControlWindowPlace(const std::string& dataPath, const ControlWindowRecord& record,
                            std::string* reason) {
  return WriteFileAtomically(ResolveDataFile(dataPath, kControlWindowFileName),
                             ControlWindowFileText(record), reason);
}

}  // namespace lenvari
