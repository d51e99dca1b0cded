#include "phone/PhoneMessage.h"

#include <array>
#include <vector>

#include "phone/MessageAuth.h"

namespace lenvari {
namespace {

constexpr size_t kPhoneHexDigits = 32;
constexpr size_t kMacHexDigits = 64;
constexpr size_t kLongestInput = 3;
constexpr char kGreeting[] = "-";

std::vector<std::string> SplitOnBlanks(const std::string& text) {
  std::vector<std::string> fields(1);
  for (char c : text) {
    if (c == ' ')
      fields.emplace_back();
    else
      fields.back() += c;
  }
  return fields;
}

bool IsLowerHex(const std::string& text) {
  for (char c : text)
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
  return !text.empty();
}

std::optional<std::uint64_t> CounterOf(const std::string& text) {
  if (text.empty() || text.size() > 16 || text[0] == '0') return std::nullopt;
  std::uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
  }
  if (value > kLargestPhoneCounter) return std::nullopt;
  return value;
}

}  // namespace

std::optional<PhoneMessage> ParsePhoneMessage(const std::string& text) {
  if (text.size() > kLongestPhoneMessage) return std::nullopt;
  const std::vector<std::string> fields = SplitOnBlanks(text);
  if (fields.size() != 4) return std::nullopt;
  PhoneMessage message;
  message.phone = fields[0];
  if (message.phone.size() != kPhoneHexDigits || !IsLowerHex(message.phone)) return std::nullopt;
  const std::optional<std::uint64_t> counter = CounterOf(fields[1]);
  if (!counter) return std::nullopt;
  message.counter = *counter;
  if (fields[2] == kGreeting) {
    message.greeting = true;
  } else if (fields[2].size() > 2 * kLongestInput || !IsLowerHex(fields[2]) ||
             !BytesOfHex(fields[2], message.input)) {
    return std::nullopt;
  }
  if (fields[3].size() != kMacHexDigits || !BytesOfHex(fields[3], message.mac)) return std::nullopt;
  message.signedText = text.substr(0, text.size() - kMacHexDigits - 1);
  return message;
}

bool IsRemoteButtonInput(const std::string& input) {
  static const std::array<const char*, 37> kSingles = {
      "i", "v", "y", "+", "-", "r", "w", "a", "j", "d", "e", "h", "p", "l", "b", "g", "m", "u",
      "*", "z", "=", ".", "]", "[", "/", "|", "!", "@", "#", "$", "'", "\r", " ", "\t",
      "m1", "m2", "m3"};
  for (const char* single : kSingles)
    if (input == single) return true;
  for (int n = 4; n <= 12; ++n)
    if (input == "m" + std::to_string(n)) return true;
  return false;
}

std::string SignPhoneMessage(const std::string& key, const std::string& phone,
                             std::uint64_t counter, const std::string& input) {
  const std::string signedText =
      phone + " " + std::to_string(counter) + " " + (input.empty() ? kGreeting : HexOf(input));
  return signedText + " " + HexOf(HmacSha256(key, signedText));
}

}  // namespace lenvari
