#pragma once
// Whether a phone may drive the chart, and on which port, kept in a small file of this
// program's own ("lvphoneremote.cfg"). Written the way every settings file is: key line, value
// line, CR LF, atomically.

#include <string>

namespace lenvari {

inline constexpr const char* kPhoneRemoteFileName = "lvphoneremote.cfg";
inline constexpr int kDefaultPhonePort = 8765;

struct PhoneRemoteOptions {
  int PhoneRemote = 0;  // 1: the phone remote's server runs; 0: no socket is open
  int PhonePort = kDefaultPhonePort;  // 1 .. 65535; 0: any free port
  bool operator==(const PhoneRemoteOptions&) const = default;
};

std::string PhoneRemoteFileText(const PhoneRemoteOptions& options);
// What the text gives; a missing or damaged value keeps its default (a port beyond 65535 too).
PhoneRemoteOptions ParsePhoneRemoteFile(const std::string& text);

// The defaults when the file is missing or unreadable; `unreadable` gets the reason when the
// file exists and could not be read (the caller must then not save over it).
PhoneRemoteOptions LoadPhoneRemoteOptions(const std::string& dataPath,
                                          std::string* unreadable = nullptr);
bool SavePhoneRemoteOptions(const std::string& dataPath, const PhoneRemoteOptions& options,
                            std::string* reason = nullptr);

}  // namespace lenvari
