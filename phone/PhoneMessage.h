#pragma once
// A message from the phone page: one WebSocket text frame of four fields, one blank between
// each:
//   PHONE COUNTER INPUT MAC
// PHONE   the page's own random name for itself, 32 lower-case hexadecimal digits;
// COUNTER a decimal number from 1 to 2^53 - 1 without leading zeros, rising with every message;
// INPUT   the input's bytes in lower-case hexadecimal, or "-" for the greeting a page sends when
//         it connects (it carries no input; it asks for the answer key);
// MAC     HMAC-SHA256 of everything before the blank in front of it, keyed with the pairing
//         code, as 64 lower-case hexadecimal digits.
// Anything else, and any message longer than kLongestPhoneMessage bytes, is malformed.

#include <cstdint>
#include <optional>
#include <string>

namespace lenvari {

inline constexpr size_t kLongestPhoneMessage = 1024;
// The largest whole number a page's script counts to exactly.
inline constexpr std::uint64_t kLargestPhoneCounter = (std::uint64_t{1} << 53) - 1;

struct PhoneMessage {
  std::string phone;   // as sent (hexadecimal)
  std::uint64_t counter = 0;
  bool greeting = false;
  std::string input;   // the input's bytes; empty for a greeting
  std::string signedText;  // the bytes the MAC covers
  std::string mac;     // 32 bytes
};

std::optional<PhoneMessage> ParsePhoneMessage(const std::string& text);

// True for the inputs the remote's buttons send: the virtual remote's list ("i", "v", "y",
// "+", "-", "r", "m1" .. "m12", "w", "a", "j", "d", "e", "h", "p", "l", "b", "g", "m", "u",
// "*", "z", "=", ".", "]", "[", "/", "|", "!", "@", "#", "$", "'", and carriage return, blank
// and tab).
bool IsRemoteButtonInput(const std::string& input);

// The message text a page sends (the test pages and the fuzz seeds build theirs with it).
std::string SignPhoneMessage(const std::string& key, const std::string& phone,
                             std::uint64_t counter, const std::string& input);

}  // namespace lenvari
