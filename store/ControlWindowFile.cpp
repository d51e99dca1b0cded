#include "store/ControlWindowFile.h"

#include "store/FieldReader.h"
#include "store/KeyValueFile.h"
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
  const std::map<std::string, std::string> values = ParseKeyValues(text);
  for (const char* needed : {kLeft, kTop, kWidth, kHeight})
    if (!values.count(needed)) return std::nullopt;
  const auto number = [&values](const char* key) { return IntegerOf(values.at(key)); };
  const ControlWindowRecord record{number(kLeft), number(kTop), number(kWidth), number(kHeight)};
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
  const std::optional<std::string> text = ReadOwnFile(dataPath, kControlWindowFileName, unreadable);
  if (!text) return std::nullopt;
  return ParseControlWindowFile(*text);
}

bool SaveControlWindowPlace(const std::string& dataPath, const ControlWindowRecord& record,
                            std::string* reason) {
  return WriteOwnFile(dataPath, kControlWindowFileName, ControlWindowFileText(record), reason);
}

}  // namespace lenvari
