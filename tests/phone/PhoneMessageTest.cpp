// The phone remote's messages: how they are signed and read, and which of them a pairing takes.

#include <gtest/gtest.h>

#include "phone/MessageAuth.h"
#include "phone/PhoneMessage.h"
#include "phone/PhonePairing.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

const std::string kKey(16, '\x5a');
const std::string kPhone = "0123456789abcdef0123456789abcdef";

TEST(PhoneMessage, HmacMatchesTheStandardVectorsAndComparisonLooksAtEveryByte) {
  // RFC 4231 test cases 1 and 2.
  EXPECT_EQ(HexOf(HmacSha256(std::string(20, '\x0b'), "Hi There")),
            "b0344c61d8db38535ca8afceaf0bf12b881dc200c9833da726e9376c2e32cff7");
  EXPECT_EQ(HexOf(HmacSha256("Jefe", "what do ya want for nothing?")),
            "5bdcc146bf60754e6a042426089575c75a003f089d2739839dec58b964ec3843");
  std::string bytes;
  EXPECT_TRUE(BytesOfHex("00ff7f", bytes));
  EXPECT_EQ(bytes, std::string("\x00\xff\x7f", 3));
  EXPECT_EQ(Tie(BytesOfHex("0", bytes), BytesOfHex("0G", bytes)), Tie(false, false));
  EXPECT_EQ(Tie(SameBytesConstantTime("abc", "abc"), SameBytesConstantTime("abc", "abd"),
                SameBytesConstantTime("xbc", "abc"), SameBytesConstantTime("abc", "abcd"),
                SameBytesConstantTime("", "")),
            Tie(true, false, false, false, true));
}

TEST(PhoneMessage, ReadsWhatAPageSignsAndNothingElse) {
  const std::string text = SignPhoneMessage(kKey, kPhone, 1700000000123, "m12");
  const std::optional<PhoneMessage> message = ParsePhoneMessage(text);
  ASSERT_TRUE(message);
  EXPECT_EQ(Tie(message->phone, message->counter, message->input, message->greeting),
            Tie(kPhone, 1700000000123u, "m12", false));
  EXPECT_EQ(message->mac, HmacSha256(kKey, message->signedText));
  EXPECT_EQ(message->signedText, kPhone + " 1700000000123 6d3132");
  EXPECT_TRUE(ParsePhoneMessage(SignPhoneMessage(kKey, kPhone, 5, ""))->greeting);

  const std::string mac(64, 'a');
  for (const std::string& bad : {
           std::string(""), kPhone + " 1 2b",                            // too few fields
           kPhone + " 1 2b " + mac + " x",                                 // too many
           kPhone + "  1 2b " + mac,                                       // two blanks
           kPhone.substr(1) + " 1 2b " + mac,                              // short name
           "0123456789ABCDEF0123456789abcdef 1 2b " + mac,                 // upper case
           kPhone + " 0 2b " + mac, kPhone + " 01 2b " + mac,              // counter 0, zero lead
           kPhone + " 9007199254740992 2b " + mac,                         // above 2^53 - 1
           kPhone + " 99999999999999999999 2b " + mac,                     // overflows
           kPhone + " 1 2 " + mac, kPhone + " 1  " + mac,                  // odd or no input
           kPhone + " 1 6d313233 " + mac,                                  // four bytes
           kPhone + " 1 2b " + mac.substr(2),                              // short MAC
           kPhone + " 1 2b " + std::string(63, 'a') + "g"})
    EXPECT_FALSE(ParsePhoneMessage(bad)) << bad;
  EXPECT_TRUE(ParsePhoneMessage(kPhone + " 9007199254740991 2b " + mac));
  // Longer than 1 KiB: dropped whatever it holds.
  EXPECT_FALSE(ParsePhoneMessage(SignPhoneMessage(kKey, kPhone, 1, "+") + std::string(1024, ' ')));
}

TEST(PhoneMessage, OnlyTheRemotesInputsAreButtons) {
  for (const char* input : {"+", "-", "m1", "m10", "m12", "\r", " ", "\t", "!", "@", "#", "$",
                            "'", "|", "i", "y"})
    EXPECT_TRUE(IsRemoteButtonInput(input)) << input;
  for (const char* input : {"", "m0", "m13", "m01", "q", "\x1b", "ControlRemoteF01", "++", "\x11",
                            "MouseEvent", "\n"})
    EXPECT_FALSE(IsRemoteButtonInput(input)) << input;
}

const std::string kCode(16, '\x11');
const std::string kPhoneA(32, 'a'), kPhoneB(32, 'b');
using enum PhoneVerdict;

struct PhonePairingTest : ::testing::Test {
  PhonePairings pairings;
  void SetUp() override { SetWaitingCode(pairings, kCode, 0); }
  PhoneCheck Check(const std::string& code, const std::string& phone, std::uint64_t counter,
                   const std::string& input, double now = 1) {
    return CheckPhoneMessage(pairings, SignPhoneMessage(code, phone, counter, input), now);
  }
};

TEST_F(PhonePairingTest, FirstAuthenticMessageBindsTheCodeToOnePhone) {
  PhoneCheck check = Check(kCode, kPhoneA, 10, "");
  EXPECT_EQ(Tie(check.verdict, check.usedCode, pairings.waitingCode), Tie(Greeting, true, ""));
  // The bound phone goes on; a second phone with the same code is refused.
  check = Check(kCode, kPhoneA, 11, "+");
  EXPECT_EQ(Tie(check.verdict, check.input, check.usedCode), Tie(Input, "+", false));
  EXPECT_EQ(Check(kCode, kPhoneB, 12, "+").verdict, Refused);
  // The next code pairs the next phone only.
  const std::string next(16, '\x22');
  SetWaitingCode(pairings, next, 3);
  EXPECT_EQ(Check(kCode, kPhoneB, 13, "+", 3).verdict, Refused);
  EXPECT_EQ(Check(next, kPhoneB, 14, "-", 3).input, "-");
  EXPECT_EQ(pairings.bound.size(), 2u);
  EXPECT_EQ(NewPairingCode().size(), 16u);
  EXPECT_NE(NewPairingCode(), NewPairingCode());
}

TEST_F(PhonePairingTest, RefusesMadeUpCodesReplaysAndAlterations) {
  EXPECT_EQ(Check(std::string(16, '\x12'), kPhoneA, 1, "").verdict, Refused);
  EXPECT_EQ(pairings.waitingCode, kCode);
  const std::string first = SignPhoneMessage(kCode, kPhoneA, 100, "+");
  EXPECT_EQ(CheckPhoneMessage(pairings, first, 1).verdict, Input);
  // The same message again, and an older counter, are replays.
  EXPECT_EQ(CheckPhoneMessage(pairings, first, 2).verdict, Refused);
  EXPECT_EQ(Check(kCode, kPhoneA, 99, "+").verdict, Refused);
  // Another input or a higher counter under the old MAC.
  for (const auto& [from, to] : {std::pair{" 2b ", " 2d "}, {" 101 ", " 102 "}}) {
    std::string altered = SignPhoneMessage(kCode, kPhoneA, 101, "+");
    altered.replace(altered.find(from), std::string(from).size(), to);
    EXPECT_EQ(CheckPhoneMessage(pairings, altered, 2).verdict, Refused) << to;
  }
  // A refused message does not use up the counter of the genuine one.
  EXPECT_EQ(Check(kCode, kPhoneA, 101, "-").verdict, Input);
  // Authentic but no button: not taken, and the counter moves on all the same.
  EXPECT_EQ(Check(kCode, kPhoneA, 102, "q").verdict, Refused);
  EXPECT_EQ(pairings.bound.front().lastCounter, 102u);
}

TEST_F(PhonePairingTest, ACodeExpiresAfterTenMinutesAndInputsAreAtMostTwentyASecond) {
  SetWaitingCode(pairings, kCode, 1000);
  EXPECT_EQ(
      Tie(WaitingCodeExpired(pairings, 1000 + 599.9), WaitingCodeExpired(pairings, 1000 + 600)),
      Tie(false, true));
  EXPECT_EQ(Check(kCode, kPhoneA, 1, "", 1600).verdict, Refused);
  EXPECT_EQ(Check(kCode, kPhoneA, 2, "", 1599).verdict, Greeting);
  // A bound phone does not expire.
  EXPECT_EQ(Check(kCode, kPhoneA, 3, "+", 90000).verdict, Input);

  std::uint64_t counter = 4;
  int taken = 0;
  for (int i = 0; i < 30; ++i)
    taken += Check(kCode, kPhoneA, counter++, "+", 100000 + i * 0.01).verdict == Input;
  EXPECT_EQ(taken, 20);
  EXPECT_EQ(Check(kCode, kPhoneA, counter++, "+", 100000.5).verdict, TooFast);
  EXPECT_EQ(Check(kCode, kPhoneA, counter++, "+", 100001.0).verdict, Input);
}

}  // namespace
}  // namespace lenvari
