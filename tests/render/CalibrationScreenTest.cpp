#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

#include "platform/Canvas.h"
#include "render/CalibrationScreen.h"

namespace lenvari {
namespace {

TEST(CalibrationScreen, SideIsTheHeightOfFiftyArcMinutesAtTheTestDistance) {
  EXPECT_DOUBLE_EQ(CalibrationSide(" 20 feet"), 8.87);
  EXPECT_DOUBLE_EQ(CalibrationSide("20 feet"), 8.87);
  EXPECT_DOUBLE_EQ(CalibrationSide(" 10 feet"), 4.43);
  EXPECT_DOUBLE_EQ(CalibrationSide(" 4 meters"), 5.82);
  EXPECT_DOUBLE_EQ(CalibrationSide(" 6 meters"), 8.73);
  EXPECT_DOUBLE_EQ(CalibrationSide(" 12.5 meters"), 18.18);
  // Only the exact word "feet" means feet; anything else is taken as meters.
  EXPECT_DOUBLE_EQ(CalibrationSide(" 20 Feet"), 29.09);
  EXPECT_DOUBLE_EQ(CalibrationSide(" 20 "), 29.09);
  EXPECT_DOUBLE_EQ(CalibrationSide("feet"), 0.0);

  EXPECT_EQ(CalibrationSideText(8.87), " 8.87");
  EXPECT_EQ(CalibrationSideText(18.18), "18.18");
  EXPECT_EQ(CalibrationSideText(0), " 0.00");
}

TEST(CalibrationScreen, MessageAndPromptCarryTheSide) {
  EXPECT_EQ(CalibrationPrompt(CalibrationSide(" 20 feet")),
            "Use arrow keys or '+' and '-' keys to adjust the box to  8.87 centimeters square, "
            "then press <Enter>.");
  EXPECT_EQ(CalibrationMessage(5.82),
            " Once you begin, you will see a white screen with a black square outlined on the "
            "screen.\\n\\n Use the up and down arrows or the '+' and '-' keys to adjust the size "
            "of the square until it measures \\n\\n 5.82 centimeters square.  \\n\\n Once you "
            "have achieved the correct size of the square, press <Enter> to save the "
            "calibration");
}

struct Extent {
  int left = -1, top = -1, right = -1, bottom = -1;  // inclusive pixel bounds
  long count = 0;
};

// The black pixels of the image, below the prompt line.
Extent BlackPixels(const QImage& image, int fromRow) {
  Extent e;
  for (int y = fromRow; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != qRgb(0, 0, 0)) continue;
      if (e.count == 0 || x < e.left) e.left = x;
      if (e.count == 0 || x > e.right) e.right = x;
      if (e.count == 0) e.top = y;
      e.bottom = y;
      ++e.count;
    }
  }
  return e;
}

TEST(CalibrationScreen, SquareHasTheScalesInPixelsCentredOnTheScreen) {
  Canvas canvas(1920 - 3, 1080 - 30);
  DrawCalibrationScreen(canvas, 1920, 1080, 343, 343, 8.87);
  const QImage& image = canvas.Image();
  QDir().mkpath(LENVARI_TEST_OUTPUT_DIR);
  image.save(QStringLiteral(LENVARI_TEST_OUTPUT_DIR "/calibration-343.png"));

  const Extent square = BlackPixels(image, 40);
  EXPECT_EQ(square.right - square.left + 1, 343);
  EXPECT_EQ(square.bottom - square.top + 1, 343);
  EXPECT_EQ(square.count, 343L * 343L);  // solid, no grey fringe
  // Centred on the monitor, not on the window's smaller client area.
  EXPECT_NEAR((square.left + square.right + 1) / 2.0, 960, 0.5);
  EXPECT_NEAR((square.top + square.bottom + 1) / 2.0, 540, 0.5);

  // The prompt is red, on the first line only.
  int redTop = image.height(), redBottom = -1, redRight = -1;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      if (qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80) {
        redTop = std::min(redTop, y);
        redBottom = std::max(redBottom, y);
        redRight = std::max(redRight, x);
      }
    }
  }
  EXPECT_LT(redTop, 8);
  EXPECT_GT(redBottom, 10);
  EXPECT_LT(redBottom, 30);  // 16 points = 21 pixels of font height
  EXPECT_GT(redRight, 400);  // one long line
}

TEST(CalibrationScreen, NonSquarePixelsGetARectangle) {
  Canvas canvas(1280 - 3, 1025 - 30);  // odd height: the centre falls between pixels
  DrawCalibrationScreen(canvas, 1280, 1025, 300, 351, 8.87);
  const Extent box = BlackPixels(canvas.Image(), 40);
  EXPECT_EQ(box.right - box.left + 1, 300);
  EXPECT_EQ(box.bottom - box.top + 1, 351);
  EXPECT_EQ(box.count, 300L * 351L);
}

TEST(CalibrationKeys, ArrowsAndRemoteButtonsChangeOneAxis) {
  const std::string up("\0H", 2), down("\0P", 2), right("\0M", 2), left("\0K", 2);
  int x = 343, y = 343;
  EXPECT_FALSE(ApplyCalibrationKey(up, x, y));
  EXPECT_EQ(x, 343);
  EXPECT_EQ(y, 344);
  ApplyCalibrationKey("!", x, y);
  EXPECT_EQ(y, 345);
  ApplyCalibrationKey(down, x, y);
  ApplyCalibrationKey("@", x, y);
  ApplyCalibrationKey("@", x, y);
  EXPECT_EQ(y, 342);
  EXPECT_EQ(x, 343);
  ApplyCalibrationKey(right, x, y);
  ApplyCalibrationKey("$", x, y);
  EXPECT_EQ(x, 345);
  ApplyCalibrationKey(left, x, y);
  ApplyCalibrationKey("#", x, y);
  ApplyCalibrationKey("#", x, y);
  EXPECT_EQ(x, 342);
  EXPECT_EQ(y, 342);
  // The letters of the arrow codes alone are other commands, not arrows.
  for (const char* other : {"H", "P", "M", "K", "x", "++", "", "\x1b"}) {
    EXPECT_FALSE(ApplyCalibrationKey(other, x, y)) << other;
  }
  EXPECT_EQ(x, 342);
  EXPECT_EQ(y, 342);
}

TEST(CalibrationKeys, PlusMinusChangeBothAndEnterOrPointFinishes) {
  int x = 343, y = 343;
  for (int i = 0; i < 5; ++i) EXPECT_FALSE(ApplyCalibrationKey("+", x, y));
  EXPECT_EQ(x, 348);
  EXPECT_EQ(y, 348);
  ApplyCalibrationKey("-", x, y);
  EXPECT_EQ(x, 347);
  EXPECT_EQ(y, 347);
  EXPECT_TRUE(ApplyCalibrationKey("\r", x, y));
  EXPECT_TRUE(ApplyCalibrationKey(".", x, y));
  EXPECT_EQ(x, 347);
  EXPECT_EQ(y, 347);

  // The scales stay positive however long "-" is held.
  x = 2;
  y = 1;
  ApplyCalibrationKey("-", x, y);
  ApplyCalibrationKey("-", x, y);
  ApplyCalibrationKey(std::string("\0P", 2), x, y);
  EXPECT_EQ(x, 1);
  EXPECT_EQ(y, 1);
}

}  // namespace
}  // namespace lenvari
