#include <gtest/gtest.h>

#include <QImage>

#include "platform/qtgui/Canvas.h"

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

// A clear waits for the next drawing; a copy of another canvas that comes first must not be
// wiped by it afterwards (a thumbnail where the last frame's ink was).
TEST(Canvas, ACopyAfterALazyClearSurvivesTheNextDrawing) {
  Canvas frame(100, 50);
  frame.Clear(kBlack);
  Canvas canvas(100, 100);
  canvas.Clear(kWhite);
  canvas.FillBox({0, 50, 100, 100}, kBlack);  // the last frame's ink where the copy goes
  canvas.Image();
  canvas.Clear(kWhite);
  canvas.StretchCanvasSampled(frame, {0, 50, 100, 100});
  canvas.PrintText(0, 0, "A");
  EXPECT_EQ(qGray(canvas.Image().pixel(50, 75)), 0);
}

}  // namespace lenvari
