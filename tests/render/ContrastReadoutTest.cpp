// What the contrast levels really are on an sRGB screen.

#include <gtest/gtest.h>

#include "render/ChartColours.h"
#include "render/ContrastReadout.h"

namespace lenvari {
namespace {

TEST(ContrastReadout, WeberContrastOfTheDrawnGreys) {
  EXPECT_DOUBLE_EQ(SrgbLuminance(255), 1.0);
  EXPECT_DOUBLE_EQ(SrgbLuminance(0), 0.0);
  EXPECT_NEAR(SrgbLuminance(128), 0.2158, 0.0001);  // half the value is a fifth of the light
  EXPECT_NEAR(SrgbLuminance(10), 10 / 255.0 / 12.92, 1e-9);  // the straight foot of the curve

  EXPECT_DOUBLE_EQ(DrawnWeberContrast(0), 100.0);
  EXPECT_DOUBLE_EQ(DrawnWeberContrast(100), 0.0);
  // "10 %" is grey 229, 78.4 % of white's light: more than twice the contrast it is named.
  EXPECT_EQ(ForegroundColorOf(90), GreyColour(229));
  EXPECT_NEAR(DrawnWeberContrast(90), 21.65, 0.01);
  EXPECT_NEAR(DrawnWeberContrast(95), 11.21, 0.01);  // grey 242
  EXPECT_NEAR(DrawnWeberContrast(97), 6.99, 0.01);   // grey 247
  // Down the ladder the drawn contrast falls with the named one.
  double previous = 101;
  for (int foreground : {0, 50, 60, 70, 80, 90, 95, 97}) {
    const double weber = DrawnWeberContrast(foreground);
    EXPECT_LT(weber, previous) << foreground;
    EXPECT_GE(weber, 100 - foreground) << foreground;
    previous = weber;
  }
}

}  // namespace
}  // namespace lenvari
