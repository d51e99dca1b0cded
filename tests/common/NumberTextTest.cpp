#include <gtest/gtest.h>

#include "common/AcuityNotation.h"
#include "common/NumberText.h"
#include "support/Tie.h"

namespace lenvari {

TEST(NumberText, RoundsTiesToEven) {
  EXPECT_EQ(Tie(RoundHalfEven(2.5), RoundHalfEven(3.5), RoundHalfEven(-2.5), RoundHalfEven(2.51)),
            Tie(2, 4, -2, 3));
  EXPECT_EQ(RoundHalfEven(1e300), RoundHalfEven(1e299));  // saturates instead of overflowing
}

TEST(NumberText, WritesShortestSingleFormAndLeadingBlank) {
  EXPECT_EQ(Tie(ShortestNumber(12.5), ShortestNumber(40), ShortestNumber(0.5), ShortestNumber(1.0 / 3.0)),
            Tie("12.5", "40", "0.5", "0.3333333"));
  EXPECT_EQ(ShortestNumber(0.1f), "0.1");  // single precision, not its binary expansion
  EXPECT_EQ(Tie(ShortestNumber(-0.0), NumberText(40), NumberText(-1280)), Tie("0", " 40", "-1280"));
}

TEST(NumberText, ReadsLeadingNumberOrZero) {
  EXPECT_EQ(Tie(LeadingNumber("  20 feet"), LeadingNumber("6.5meters"), LeadingNumber("-1280 "),
                LeadingNumber("feet"), LeadingNumber(""), LeadingNumber("."), LeadingNumber("1e3x"),
                LeadingNumber("1e")),
            Tie(20, 6.5, -1280, 0, 0, 0, 1000, 1));
  EXPECT_EQ(LeadingNumber("1e999"), 0);  // no infinities reach the settings
}

TEST(NumberText, FormatsWithMask) {
  EXPECT_EQ(Tie(FormatWithMask(2, "###.#"), FormatWithMask(1.5, "###.#")), Tie("  2.0", "  1.5"));
  EXPECT_EQ(FormatWithMask(123.45, "###.#"), "123.4");  // 1234.5 ties to even
  EXPECT_EQ(Tie(FormatWithMask(12345, "###.#"), FormatWithMask(8.873, "##.##")), Tie("%12345.0", " 8.87"));
}

TEST(AcuityNotation, ConvertsEveryNotation) {
  EXPECT_EQ(Tie(ConvertAcuity("20/40", 6), ConvertAcuity("20/40", 1), ConvertAcuity("6/9", 20),
                ConvertAcuity("6/18", 1), ConvertAcuity("0.8", 20), ConvertAcuity("0.8", 6),
                ConvertAcuity("0.8", 1), ConvertAcuity("20/20 ", 20), ConvertAcuity("20/15", 6),
                ConvertAcuity("20/12.5", 6)),
            Tie("6/12", "0.5", "20/30", "0.33", "20/25", "6/7.5", "0.8", "20/20 ", "6/4.5", "6/3.75"));
  // Outside the domain: returned unchanged rather than dividing by zero.
  EXPECT_EQ(Tie(ConvertAcuity("20/0", 1), ConvertAcuity("abc", 20), ConvertAcuity("", 6)),
            Tie("20/0", "abc", ""));
}

}  // namespace lenvari
