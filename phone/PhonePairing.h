#pragma once
// Who may drive the chart from a phone. A pairing code (16 random bytes, shown as the QR code
// and printed on the console) is the key of every message's MAC. The first authentic message
// made with the code waiting to be used binds it to the page that sent it (the page's own
// random name): from then on only that page's messages count under it, each with a counter
// above the last one taken, and the caller makes a new code for the next phone. A code nobody
// used within kPairingCodeLifeSeconds is no longer taken.

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace lenvari {

inline constexpr double kPairingCodeLifeSeconds = 600;
inline constexpr int kPhoneInputsPerSecond = 20;
// More bound phones than this: the one bound first is let go.
inline constexpr size_t kMostPairedPhones = 4;
inline constexpr size_t kPairingCodeBytes = 16;

struct PhonePairing {
  std::string key;    // the code's bytes
  std::string phone;  // the page's name, as it sends it
  std::uint64_t lastCounter = 0;
};

struct PhonePairings {
  std::string waitingCode;  // the code not yet used; empty while there is none
  double waitingSince = 0;  // monotonic seconds
  std::vector<PhonePairing> bound;
  std::deque<double> recentInputs;  // when the inputs of the last second were taken
};

enum class PhoneVerdict { Input, Greeting, Refused, TooFast };

struct PhoneCheck {
  PhoneVerdict verdict = PhoneVerdict::Refused;
  std::string input;        // for Input
  std::string phone;        // the sender, once its message proved authentic
  bool usedCode = false;    // the waiting code was bound by this message
};

// 16 bytes from the system's cryptographic random source.
std::string NewPairingCode();

void SetWaitingCode(PhonePairings& pairings, const std::string& code, double now);
bool WaitingCodeExpired(const PhonePairings& pairings, double now);

// Judges one message text received at monotonic time `now`, and keeps what it learnt (the
// binding, the counter, the input's time).
PhoneCheck CheckPhoneMessage(PhonePairings& pairings, const std::string& text, double now);

}  // namespace lenvari
