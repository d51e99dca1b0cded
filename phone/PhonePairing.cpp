#include "phone/PhonePairing.h"

#include <QRandomGenerator>

#include <algorithm>

#include "phone/MessageAuth.h"
#include "phone/PhoneMessage.h"

namespace lenvari {
namespace {

bool MacFits(const std::string& key, const PhoneMessage& message) {
  return SameBytesConstantTime(HmacSha256(key, message.signedText), message.mac);
}

// An authentic message's content: a greeting, an input within the rate, or nothing else.
PhoneCheck Judge(PhonePairings& pairings, const PhoneMessage& message, double now) {
  PhoneCheck check;
  check.phone = message.phone;
  if (message.greeting) {
    check.verdict = PhoneVerdict::Greeting;
    return check;
  }
  if (!IsRemoteButtonInput(message.input)) return check;
  std::deque<double>& recent = pairings.recentInputs;
  while (!recent.empty() && now - recent.front() >= 1.0) recent.pop_front();
  if (recent.size() >= static_cast<size_t>(kPhoneInputsPerSecond)) {
    check.verdict = PhoneVerdict::TooFast;
    return check;
  }
  recent.push_back(now);
  check.verdict = PhoneVerdict::Input;
  check.input = message.input;
  return check;
}

}  // namespace

std::string NewPairingCode() {
  std::string code(kPairingCodeBytes, '\0');
  QRandomGenerator* random = QRandomGenerator::system();
  for (char& byte : code) byte = static_cast<char>(random->bounded(256));
  return code;
}

void SetWaitingCode(PhonePairings& pairings, const std::string& code, double now) {
  pairings.waitingCode = code;
  pairings.waitingSince = now;
}

bool WaitingCodeExpired(const PhonePairings& pairings, double now) {
  return !pairings.waitingCode.empty() &&
         now - pairings.waitingSince >= kPairingCodeLifeSeconds;
}

PhoneCheck CheckPhoneMessage(PhonePairings& pairings, const std::string& text, double now) {
  const std::optional<PhoneMessage> message = ParsePhoneMessage(text);
  if (!message) return {};
  const auto pairing =
      std::find_if(pairings.bound.begin(), pairings.bound.end(),
                   [&](const PhonePairing& p) { return p.phone == message->phone; });
  if (pairing != pairings.bound.end()) {
    if (!MacFits(pairing->key, *message) || message->counter <= pairing->lastCounter) return {};
    pairing->lastCounter = message->counter;
    return Judge(pairings, *message, now);
  }
  if (pairings.waitingCode.empty() || WaitingCodeExpired(pairings, now) ||
      !MacFits(pairings.waitingCode, *message))
    return {};
  if (pairings.bound.size() >= kMostPairedPhones) pairings.bound.erase(pairings.bound.begin());
  pairings.bound.push_back({pairings.waitingCode, message->phone, message->counter});
  pairings.waitingCode.clear();
  PhoneCheck check = Judge(pairings, *message, now);
  check.usedCode = true;
  return check;
}

}  // namespace lenvari
