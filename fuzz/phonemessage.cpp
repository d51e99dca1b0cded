#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "phone/MessageAuth.h"
#include "phone/PhoneMessage.h"
#include "phone/PhonePairing.h"

using namespace lenvari;

// The seeds are signed with this code; the pairing below waits for it and has bound one page.
static const std::string kCode(16, '\x42');

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto message = ParsePhoneMessage(text);
  if (message) {
    // What is taken is exactly what a page could have sent.
    if (text.size() > kLongestPhoneMessage || message->phone.size() != 32 ||
        message->counter == 0 || message->counter > kLargestPhoneCounter ||
        message->input.size() > 3 || message->mac.size() != 32 ||
        (message->greeting && !message->input.empty()) ||
        (!message->greeting && message->input.empty()) ||
        message->signedText + " " + HexOf(message->mac) != text)
      std::abort();
  }
  PhonePairings pairings;
  SetWaitingCode(pairings, kCode, 0);
  pairings.bound.push_back({kCode, "0123456789abcdef0123456789abcdef", 5});
  const PhoneCheck check = CheckPhoneMessage(pairings, text, 1);
  // Nothing unauthentic gets through, and nothing but a button's input.
  if (check.verdict == PhoneVerdict::Input &&
      (!message || !IsRemoteButtonInput(check.input) ||
       !SameBytesConstantTime(HmacSha256(kCode, message->signedText), message->mac)))
    std::abort();
  return 0;
}
