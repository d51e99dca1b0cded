// What the contrast levels really are on an sRGB screen.

#include <gtest/gtest.h>

#include "render/ChartColours.h"
#include "platform/TransferCurve.h"
#include "render/ContrastReadout.h"

namespace lenvari {
namespace {

TEST(ContrastReadout, WeberContrastOfTheDrawnGreys) {
  // The sRGB curve (gamma 0): half the value is a fifth of the light; a straight foot.
  EXPECT_DOUBLE_EQ(DisplayLight(255, 0), 1.0);
  EXPECT_DOUBLE_EQ(DisplayLight(0, 0), 0.0);
  EXPECT_NEAR(DisplayLight(128, 0), 0.2158, 0.0001);
  EXPECT_NEAR(DisplayLight(10, 0), 10 / 255.0 / 12.92, 1e-9);

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
