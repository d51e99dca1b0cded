#include <gtest/gtest.h>

#include <QImage>

#include "platform/qtgui/Canvas.h"
#include "support/Tie.h"

namespace lenvari {

// A 4K frame shrunk 20:1: flat areas keep their exact colour, a stroke narrower than one
// target pixel leaves a grey trace in the right column, and the rectangle is honoured.
TEST(SampledStretch, ShrinksSmoothlyIntoItsRectangle) {
  Canvas frame(3840, 2160);
  frame.Clear(kWhite);
  frame.FillBox({0, 0, 1920, 2160}, RgbColour(255, 0, 0));
  frame.FillBox({2000, 0, 2006, 2160}, kBlack);  // 6 pixels wide: under a third of a target pixel

  Canvas thumb(300, 200);
  thumb.Clear(RgbColour(10, 20, 30));
  const RectF box = {50, 40, 242, 148};  // 192 x 108: one target pixel covers 20 x 20
  thumb.StretchCanvasSampled(frame, box);
  const QImage& image = thumb.Image();

  EXPECT_EQ(QColor(image.pixel(60, 60)), QColor(255, 0, 0));
  EXPECT_EQ(QColor(image.pixel(230, 60)), QColor(255, 255, 255));
  // Outside the rectangle nothing changed.
  EXPECT_EQ(Tie(QColor(image.pixel(49, 60)), QColor(image.pixel(242, 60)), QColor(image.pixel(100, 39)),
                QColor(image.pixel(100, 148))),
            Tie(QColor(10, 20, 30), QColor(10, 20, 30), QColor(10, 20, 30), QColor(10, 20, 30)));
  // The stroke at source x 2000 falls into target column 50 + 100 = 150, as a grey.
  const int grey = qGray(image.pixel(150, 100));
  EXPECT_LT(grey, 240);
  EXPECT_GT(grey, 100);
  EXPECT_EQ(Tie(qGray(image.pixel(148, 100)), qGray(image.pixel(152, 100))), Tie(255, 255));

  // Enlarging repeats source pixels (one sample each): the red half fills the left half.
  Canvas small(4, 2);
  small.Clear(kWhite);
  small.FillBox({0, 0, 2, 2}, RgbColour(255, 0, 0));
  Canvas big(40, 20);
  big.StretchCanvasSampled(small, {0, 0, 40, 20});
  EXPECT_EQ(QColor(big.Image().pixel(19, 10)), QColor(255, 0, 0));
  EXPECT_EQ(QColor(big.Image().pixel(20, 10)), QColor(255, 255, 255));
}

}  // namespace lenvari
