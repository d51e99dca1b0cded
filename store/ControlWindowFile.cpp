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
  return record;
}

std::optional<ControlWindowRecord> LoadControlWindowPlace(const std::string& dataPath) {
  const auto text = ReadWholeFile(ResolveDataFile(dataPath, kControlWindowFileName));
  if (!text) return std::nullopt;
  return ParseControlWindowFile(*text);
}

bool SaveControlWindowPlace(const std::string& dataPath, const ControlWindowRecord& record) {
  return WriteFileAtomically(ResolveDataFile(dataPath, kControlWindowFileName),
                             ControlWindowFileText(record));
}

}  // namespace lenvari
