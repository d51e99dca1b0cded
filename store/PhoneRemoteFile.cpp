#include "store/PhoneRemoteFile.h"

#include "store/FieldReader.h"
#include "store/KeyValueFile.h"
#include "store/ValueWriter.h"

namespace lenvari {
namespace {

constexpr const char* kPhoneRemote = "PhoneRemote&:";
constexpr const char* kPhonePort = "PhonePort&:";
constexpr int kLargestPort = 65535;

}  // namespace

std::string PhoneRemoteFileText(const PhoneRemoteOptions& options) {
  std::string text;
  AppendSetting(text, kPhoneRemote, IntegerValue(options.PhoneRemote));
  AppendSetting(text, kPhonePort, IntegerValue(options.PhonePort));
  return text;
}

PhoneRemoteOptions ParsePhoneRemoteFile(const std::string& text) {
  PhoneRemoteOptions options;
  const std::map<std::string, std::string> values = ParseKeyValues(text);
  if (const auto value = ValueOf(values, kPhoneRemote))
    options.PhoneRemote = IntegerOf(*value) == 1 ? 1 : 0;
  if (const auto value = ValueOf(values, kPhonePort)) {
    const int port = IntegerOf(*value);
    options.PhonePort = port >= 0 && port <= kLargestPort ? port : kDefaultPhonePort;
  }
  return options;
}

PhoneRemoteOptions LoadPhoneRemoteOptions(const std::string& dataPath, std::string* unreadable) {
  const std::optional<std::string> text = ReadOwnFile(dataPath, kPhoneRemoteFileName, unreadable);
  return text ? ParsePhoneRemoteFile(*text) : PhoneRemoteOptions{};
}

bool SavePhoneRemoteOptions(const std::string& dataPath, const PhoneRemoteOptions& options,
                            std::string* reason) {
  return WriteOwnFile(dataPath, kPhoneRemoteFileName, PhoneRemoteFileText(options), reason);
}

}  // namespace lenvari
