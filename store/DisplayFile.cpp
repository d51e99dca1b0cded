#include "store/DisplayFile.h"

#include "store/DataFolder.h"
#include "store/FieldReader.h"
#include "store/ValueWriter.h"

namespace lenvari {
namespace {

constexpr const char* kLuminanceContrast = "LuminanceContrast&:";
constexpr const char* kDisplayGamma = "DisplayGamma!:";

}  // namespace

std::string DisplayFileText(const DisplayOptions& options) {
  std::string text;
  AppendSetting(text, kLuminanceContrast, IntegerValue(options.LuminanceContrast));
  AppendSetting(text, kDisplayGamma, RealValue(options.DisplayGamma));
  return text;
}

DisplayOptions ParseDisplayFile(const std::string& text) {
  DisplayOptions options;
  FieldReader reader{text};
  std::string key, value;
  while (ReadLineField(reader, key)) {
    if (!ReadLineField(reader, value)) break;
    if (key == kLuminanceContrast) {
      options.LuminanceContrast = IntegerOf(value) == 1 ? 1 : 0;
    } else if (key == kDisplayGamma) {
      const double gamma = RealOf(value);
      options.DisplayGamma =
          gamma >= kLowestDisplayGamma && gamma <= kHighestDisplayGamma ? gamma : 0;
    }
  }
  return options;
}

DisplayOptions LoadDisplayOptions(const std::string& dataPath, std::string* unreadable) {
  const FileRead read = ReadDataFile(ResolveDataFile(dataPath, kDisplayFileName));
  if (unreadable) *unreadable = read.status == FileRead::Status::Unreadable ? read.reason : "";
  return read.Read() ? ParseDisplayFile(read.bytes) : DisplayOptions{};
}

bool SaveDisplayOptions(const std::string& dataPath, const DisplayOptions& options,
                        std::string* reason) {
  return WriteFileAtomically(ResolveDataFile(dataPath, kDisplayFileName), DisplayFileText(options),
                             reason);
}

}  // namespace lenvari
