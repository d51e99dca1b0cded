#include <gtest/gtest.h>

#include "phone/PhoneMessage.h"
#include "phone/PhonePairing.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

const std::string kCode(16, '\x11');
const std::string kPhoneA = "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa";
const std::string kPhoneB = "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb";

PhonePairings Waiting(double now = 0) {
  PhonePairings pairings;
  SetWaitingCode(pairings, kCode, now);
  return pairings;
}

TEST(PhonePairing, FirstAuthenticMessageBindsTheCodeToOnePhone) {
  PhonePairings pairings = Waiting();
  PhoneCheck check = CheckPhoneMessage(pairings, SignPhoneMessage(kCode, kPhoneA, 10, ""), 1);
  EXPECT_EQ(check.verdict, PhoneVerdict::Greeting);
  EXPECT_TRUE(check.usedCode);
  EXPECT_TRUE(pairings.waitingCode.empty());
  // The bound phone goes on; a second phone with the same code is refused.
  check = CheckPhoneMessage(pairings, SignPhoneMessage(kCode, kPhoneA, 11, "+"), 2);
  EXPECT_EQ(Tie(check.verdict, check.input), Tie(PhoneVerdict::Input, "+"));
  EXPECT_FALSE(check.usedCode);
  EXPECT_EQ(CheckPhoneMessage(pairings, SignPhoneMessage(kCode, kPhoneB, 12, "+"), 3).verdict,
            PhoneVerdict::Refused);
  // The next code pairs the next phone only.
  const std::string next(16, '\x22');
  SetWaitingCode(pairings, next, 3);
  EXPECT_EQ(CheckPhoneMessage(pairings, SignPhoneMessage(kCode, kPhoneB, 13, "+"), 3).verdict,
            PhoneVerdict::Refused);
  EXPECT_EQ(CheckPhoneMessage(pairings, SignPhoneMessage(next, kPhoneB, 14, "-"), 3).input, "-");
  EXPECT_EQ(pairings.bound.size(), 2u);
}

TEST(PhonePairing, RefusesMadeUpCodesReplaysAndAlterations) {
  PhonePairings pairings = Waiting();
  const std::string madeUp(16, '\x12');
  EXPECT_EQ(CheckPhoneMessage(pairings, SignPhoneMessage(madeUp, kPhoneA, 1, ""), 1).verdict,
            PhoneVerdict::Refused);
  EXPECT_EQ(pairings.waitingCode, kCode);
  const std::string first = SignPhoneMessage(kCode, kPhoneA, 100, "+");
  EXPECT_EQ(CheckPhoneMessage(pairings, first, 1).verdict, PhoneVerdict::Input);
  // The same message again, and an older counter, are replays.
  EXPECT_EQ(CheckPhoneMessage(pairings, first, 2).verdict, PhoneVerdict::Refused);
  EXPECT_EQ(CheckPhoneMessage(pairings, SignPhoneMessage(kCode, kPhoneA, 99, "+"), 2).verdict,
            PhoneVerdict::Refused);
  // Another input or a higher counter under the old MAC.
  std::string altered = SignPhoneMessage(kCode, kPhoneA, 101, "+");
  altered.replace(altered.find(" 2b "), 4, " 2d ");
  EXPECT_EQ(CheckPhoneMessage(pairings, altered, 2).verdict, PhoneVerdict::Refused);
  altered = SignPhoneMessage(kCode, kPhoneA, 101, "+");
  altered.replace(altered.find(" 101 "), 5, " 102 ");
  EXPECT_EQ(CheckPhoneMessage(pairings, altered, 2).verdict, PhoneVerdict::Refused);
  // A refused message does not use up the counter of the genuine one.
  EXPECT_EQ(CheckPhoneMessage(pairings, SignPhoneMessage(kCode, kPhoneA, 101, "-"), 2).verdict,
            PhoneVerdict::Input);
  // Authentic but no button: not taken, and the counter moves on all the same.
  EXPECT_EQ(CheckPhoneMessage(pairings, SignPhoneMessage(kCode, kPhoneA, 102, "q"), 2).verdict,
            PhoneVerdict::Refused);
  EXPECT_EQ(pairings.bound.front().lastCounter, 102u);
}

TEST(PhonePairing, ACodeExpiresAfterTenMinutes) {
  PhonePairings pairings = Waiting(1000);
  EXPECT_FALSE(WaitingCodeExpired(pairings, 1000 + 599.9));
  EXPECT_TRUE(WaitingCodeExpired(pairings, 1000 + 600));
  EXPECT_EQ(CheckPhoneMessage(pairings, SignPhoneMessage(kCode, kPhoneA, 1, ""), 1600).verdict,
            PhoneVerdict::Refused);
  EXPECT_EQ(CheckPhoneMessage(pairings, SignPhoneMessage(kCode, kPhoneA, 2, ""), 1599).verdict,
            PhoneVerdict::Greeting);
  // A bound phone does not expire.
  EXPECT_EQ(CheckPhoneMessage(pairings, SignPhoneMessage(kCode, kPhoneA, 3, "+"), 90000).verdict,
            PhoneVerdict::Input);
}

TEST(PhonePairing, AtMostTwentyInputsASecond) {
  PhonePairings pairings = Waiting();
  std::uint64_t counter = 1;
  int taken = 0;
  for (int i = 0; i < 30; ++i)
    taken += CheckPhoneMessage(pairings, SignPhoneMessage(kCode, kPhoneA, counter++, "+"),
                               10 + i * 0.01).verdict == PhoneVerdict::Input;
  EXPECT_EQ(taken, 20);
  EXPECT_EQ(CheckPhoneMessage(pairings, SignPhoneMessage(kCode, kPhoneA, counter++, "+"), 10.5)
                .verdict,
            PhoneVerdict::TooFast);
  EXPECT_EQ(CheckPhoneMessage(pairings, SignPhoneMessage(kCode, kPhoneA, counter++, "+"), 11.0)
                .verdict,
            PhoneVerdict::Input);
}

TEST(PhonePairing, CodesAreFreshAndFullLength) {
  const std::string a = NewPairingCode(), b = NewPairingCode();
  EXPECT_EQ(a.size(), 16u);
  EXPECT_NE(a, b);
}

}  // namespace
}  // namespace lenvari
