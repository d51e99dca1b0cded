#include <gtest/gtest.h>

#include <QImage>
#include <QtEndian>

#include <cstdint>
#include <string>

#include "platform/qtgui/Bitmap.h"
#include "platform/qtgui/Canvas.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

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

// A 4K frame shrunk 20:1: flat areas keep their exact colour, a stroke narrower than one
// target pixel leaves a grey trace in the right column, and the rectangle is honoured.
TEST(Canvas, SampledStretchShrinksSmoothlyIntoItsRectangle) {
  Canvas frame(3840, 2160);
  frame.Clear(kWhite);
  frame.FillBox({0, 0, 1920, 2160}, RgbColour(255, 0, 0));
  frame.FillBox({2000, 0, 2006, 2160}, kBlack);  // 6 pixels wide: under a third of a target pixel

  Canvas thumb(300, 200);
  thumb.Clear(RgbColour(10, 20, 30));
  thumb.StretchCanvasSampled(frame, {50, 40, 242, 148});  // 192 x 108: 20 x 20 pixels each
  const QImage& image = thumb.Image();
  EXPECT_EQ(Tie(image.pixel(60, 60), image.pixel(230, 60)),
            Tie(qRgb(255, 0, 0), qRgb(255, 255, 255)));
  // Outside the rectangle nothing changed.
  for (const auto& [x, y] : {std::pair{49, 60}, {242, 60}, {100, 39}, {100, 148}})
    EXPECT_EQ(image.pixel(x, y), qRgb(10, 20, 30)) << x << "," << y;
  // The stroke at source x 2000 falls into target column 50 + 100 = 150, as a grey.
  const int grey = qGray(image.pixel(150, 100));
  EXPECT_TRUE(grey > 100 && grey < 240) << grey;
  EXPECT_EQ(Tie(qGray(image.pixel(148, 100)), qGray(image.pixel(152, 100))), Tie(255, 255));

  // Enlarging repeats source pixels (one sample each): the red half fills the left half.
  Canvas small(4, 2);
  small.Clear(kWhite);
  small.FillBox({0, 0, 2, 2}, RgbColour(255, 0, 0));
  Canvas big(40, 20);
  big.StretchCanvasSampled(small, {0, 0, 40, 20});
  EXPECT_EQ(Tie(big.Image().pixel(19, 10), big.Image().pixel(20, 10)),
            Tie(qRgb(255, 0, 0), qRgb(255, 255, 255)));
}

std::uint32_t Word(const std::string& bytes, size_t at) {
  return qFromLittleEndian<std::uint32_t>(bytes.data() + at);
}

// A picture slot's bytes: 24-bit bottom-up rows padded to four bytes, read back unchanged; a
// file cut inside its rows is refused; a picture with a negative resolution (found by
// fuzzing: written as 0, then read back as the reading screen's) is written at 96 dpi.
TEST(Bitmap, WrittenPicturesReadBackAndResolutionIsAlwaysWritten) {
  QImage image(3, 2, QImage::Format_RGB32);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) image.setPixel(x, y, qRgb(80 * x, 200 * y, 7));
  image.setDotsPerMeterX(-5);
  image.setDotsPerMeterY(2835);
  const std::string bytes = Bitmap::FromImage(image).BmpBytes();
  ASSERT_EQ(bytes.size(), 54u + 2 * 12);  // 3 pixels of 3 bytes padded to 12
  EXPECT_EQ(Tie(bytes.substr(0, 2), Word(bytes, 22)), Tie("BM", 2u));  // bottom row first
  const auto at = [&bytes](size_t i) { return static_cast<unsigned char>(bytes[i]); };
  // Pixel (1, 1) first, blue green red, then (1, 0) a row of 12 bytes later.
  EXPECT_EQ(Tie(at(54 + 3), at(54 + 3 + 1), at(54 + 3 + 2), at(66 + 3 + 1), Word(bytes, 38),
                Word(bytes, 42)),
            Tie(7, 200, 80, 0, 3780u, 2835u));

  const Bitmap read = Bitmap::FromBmpBytes(bytes);
  ASSERT_FALSE(read.Empty());
  EXPECT_EQ(Tie(read.Image().convertToFormat(QImage::Format_RGB32), read.BmpBytes()),
            Tie(image, bytes));
  EXPECT_TRUE(Bitmap::FromBmpBytes(std::string_view(bytes).substr(0, bytes.size() - 1)).Empty());
}

}  // namespace
}  // namespace lenvari
