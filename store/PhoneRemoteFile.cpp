#include "store/PhoneRemoteFile.h"

#include "store/DataFolder.h"
#include "store/FieldReader.h"
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
  FieldReader reader{text};
  std::string key, value;
  while (ReadLineField(reader, key)) {
    if (!ReadLineField(reader, value)) break;
    if (key == kPhoneRemote) {
      options.PhoneRemote = IntegerOf(value) == 1 ? 1 : 0;
    } else if (key == kPhonePort) {
      const int port = IntegerOf(value);
      options.PhonePort = port >= 0 && port <= kLargestPort ? port : kDefaultPhonePort;
    }
  }
  return options;
}

PhoneRemoteOptions LoadPhoneRemoteOptions(const std::string& dataPath, std::string* unreadable) {
  const FileRead read = ReadDataFile(ResolveDataFile(dataPath, kPhoneRemoteFileName));
  if (unreadable) *unreadable = read.status == FileRead::Status::Unreadable ? read.reason : "";
  return read.Read() ? ParsePhoneRemoteFile(read.bytes) : PhoneRemoteOptions{};
}

bool SavePhoneRemoteOptions(const std::string& dataPath, const PhoneRemoteOptions& options,
                            std::string* reason) {
  return WriteFileAtomically(ResolveDataFile(dataPath, kPhoneRemoteFileName),
                             PhoneRemoteFileText(options), reason);
}

}  // namespace lenvari
