#include "store/DisplayFile.h"

#include "store/FieldReader.h"
#include "store/KeyValueFile.h"
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
  const std::map<std::string, std::string> values = ParseKeyValues(text);
  if (const auto value = ValueOf(values, kLuminanceContrast))
    options.LuminanceContrast = IntegerOf(*value) == 1 ? 1 : 0;
  if (const auto value = ValueOf(values, kDisplayGamma)) {
    const double gamma = RealOf(*value);
    options.DisplayGamma =
        gamma >= kLowestDisplayGamma && gamma <= kHighestDisplayGamma ? gamma : 0;
  }
  return options;
}

DisplayOptions LoadDisplayOptions(const std::string& dataPath, std::string* unreadable) {
  const std::optional<std::string> text = ReadOwnFile(dataPath, kDisplayFileName, unreadable);
  return text ? ParseDisplayFile(*text) : DisplayOptions{};
}

bool SaveDisplayOptions(const std::string& dataPath, const DisplayOptions& options,
                        std::string* reason) {
  return WriteOwnFile(dataPath, kDisplayFileName, DisplayFileText(options), reason);
}

}  // namespace lenvari
