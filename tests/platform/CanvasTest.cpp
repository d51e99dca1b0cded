#include <gtest/gtest.h>

#include <QImage>

#include "platform/Canvas.h"

namespace lenvari {

// Full rounding is the ellipse inscribed in the box, also when the box is not square: its
// widest row spans the box and its top row is a single run in the middle.
TEST(Canvas, FullRoundingIsTheInscribedEllipse) {
  Canvas canvas(200, 100);
  canvas.Clear(kWhite);
  canvas.FillBox({0, 0, 200, 100}, kBlack, 100);
  const QImage& image = canvas.Image();
  auto blackInRow = [&](int y) {
    int n = 0;
    for (int x = 0; x < image.width(); ++x) n += qGray(image.pixel(x, y)) < 128;
    return n;
  };
  EXPECT_NEAR(blackInRow(50), 200, 2);
  // An ellipse of half-axes 100 and 50 is 2 * 100 * sqrt(1 - (45.5/50)^2) = 83 wide at y = 4.5;
  // a stadium (corners of radius 50) would be 141 wide there.
  EXPECT_NEAR(blackInRow(4), 83, 3);
  EXPECT_EQ(qGray(image.pixel(2, 2)), 255);
}

}  // namespace lenvari
