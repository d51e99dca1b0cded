#include <gtest/gtest.h>

#include "common/AcuityNotation.h"
#include "common/NumberText.h"

namespace lenvari {

TEST(NumberText, RoundsTiesToEven) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(2.51), 3);
  EXPECT_EQ(RoundHalfEven(1e300), RoundHalfEven(1e299));  // saturates instead of overflowing
}

TEST(NumberText, WritesShortestSingleFormAndLeadingBlank) {
  EXPECT_EQ(ShortestNumber(12.5), "12.5");
  EXPECT_EQ(ShortestNumber(40), "40");
  EXPECT_EQ(ShortestNumber(0.5), "0.5");
  EXPECT_EQ(ShortestNumber(1.0 / 3.0), "0.3333333");
  EXPECT_EQ(ShortestNumber(0.1f), "0.1");  // single precision, not its binary expansion
  EXPECT_EQ(ShortestNumber(-0.0), "0");
  EXPECT_EQ(NumberText(40), " 40");
  EXPECT_EQ(NumberText(-1280), "-1280");
}

TEST(NumberText, ReadsLeadingNumberOrZero) {
  EXPECT_EQ(LeadingNumber("  20 feet"), 20);
  EXPECT_EQ(LeadingNumber("6.5meters"), 6.5);
  EXPECT_EQ(LeadingNumber("-1280 "), -1280);
  EXPECT_EQ(LeadingNumber("feet"), 0);
  EXPECT_EQ(LeadingNumber(""), 0);
  EXPECT_EQ(LeadingNumber("."), 0);
  EXPECT_EQ(LeadingNumber("1e3x"), 1000);
  EXPECT_EQ(LeadingNumber("1e"), 1);
  EXPECT_EQ(LeadingNumber("1e999"), 0);  // no infinities reach the settings
}

TEST(NumberText, FormatsWithMask) {
  EXPECT_EQ(FormatWithMask(2, "###.#"), "  2.0");
  EXPECT_EQ(FormatWithMask(1.5, "###.#"), "  1.5");
  EXPECT_EQ(FormatWithMask(123.45, "###.#"), "123.4");  // 1234.5 ties to even
  EXPECT_EQ(FormatWithMask(12345, "###.#"), "%12345.0");
  EXPECT_EQ(FormatWithMask(8.873, "##.##"), " 8.87");
}

TEST(AcuityNotation, ConvertsEveryNotation) {
  EXPECT_EQ(ConvertAcuity("20/40", 6), "6/12");
  EXPECT_EQ(ConvertAcuity("20/40", 1), "0.5");
  EXPECT_EQ(ConvertAcuity("6/9", 20), "20/30");
  EXPECT_EQ(ConvertAcuity("6/18", 1), "0.33");
  EXPECT_EQ(ConvertAcuity("0.8", 20), "20/25");
  EXPECT_EQ(ConvertAcuity("0.8", 6), "6/7.5");
  EXPECT_EQ(ConvertAcuity("0.8", 1), "0.8");
  EXPECT_EQ(ConvertAcuity("20/20 ", 20), "20/20 ");
  EXPECT_EQ(ConvertAcuity("20/15", 6), "6/4.5");
  EXPECT_EQ(ConvertAcuity("20/12.5", 6), "6/3.75");
  // Outside the domain: returned unchanged rather than dividing by zero.
  EXPECT_EQ(ConvertAcuity("20/0", 1), "20/0");
  EXPECT_EQ(ConvertAcuity("abc", 20), "abc");
  EXPECT_EQ(ConvertAcuity("", 6), "");
}

}  // namespace lenvari
