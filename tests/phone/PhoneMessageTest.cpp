#include <gtest/gtest.h>

#include "phone/MessageAuth.h"
#include "phone/PhoneMessage.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

const std::string kKey(16, '\x5a');
const std::string kPhone = "0123456789abcdef0123456789abcdef";

TEST(PhoneMessage, HmacMatchesTheStandardVectors) {
  // RFC 4231 test cases 1 and 2.
  EXPECT_EQ(HexOf(HmacSha256(std::string(20, '\x0b'), "Hi There")),
            "b0344c61d8db38535ca8afceaf0bf12b881dc200c9833da726e9376c2e32cff7");
  EXPECT_EQ(HexOf(HmacSha256("Jefe", "what do ya want for nothing?")),
            "5bdcc146bf60754e6a042426089575c75a003f089d2739839dec58b964ec3843");
  std::string bytes;
  EXPECT_TRUE(BytesOfHex("00ff7f", bytes));
  EXPECT_EQ(bytes, std::string("\x00\xff\x7f", 3));
  EXPECT_FALSE(BytesOfHex("0", bytes));
  EXPECT_FALSE(BytesOfHex("0G", bytes));
}

TEST(PhoneMessage, ComparisonLooksAtEveryByte) {
  EXPECT_TRUE(SameBytesConstantTime("abc", "abc"));
  EXPECT_FALSE(SameBytesConstantTime("abc", "abd"));
  EXPECT_FALSE(SameBytesConstantTime("xbc", "abc"));
  EXPECT_FALSE(SameBytesConstantTime("abc", "abcd"));
  EXPECT_TRUE(SameBytesConstantTime("", ""));
}

TEST(PhoneMessage, ReadsWhatAPageSignsAndNothingElse) {
  const std::string text = SignPhoneMessage(kKey, kPhone, 1700000000123, "m12");
  const std::optional<PhoneMessage> message = ParsePhoneMessage(text);
  ASSERT_TRUE(message);
  EXPECT_EQ(Tie(message->phone, message->counter, message->input), Tie(kPhone, 1700000000123u, "m12"));
  EXPECT_FALSE(message->greeting);
  EXPECT_EQ(message->mac, HmacSha256(kKey, message->signedText));
  EXPECT_EQ(message->signedText, kPhone + " 1700000000123 6d3132");

  const std::optional<PhoneMessage> greeting =
      ParsePhoneMessage(SignPhoneMessage(kKey, kPhone, 5, ""));
  ASSERT_TRUE(greeting);
  EXPECT_TRUE(greeting->greeting);

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

}  // namespace
}  // namespace lenvari
