// The calibration square: its size in pixels and its prompt. (Its keys and the procedure around
// it are the application's calibration tests.)

#include <QImage>
#include <gtest/gtest.h>

#include "platform/qtgui/Canvas.h"
#include "render/CalibrationScreen.h"
#include "support/Pixels.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

TEST(CalibrationScreen, SideIsTheHeightOfFiftyArcMinutesAndMessageAndPromptCarryIt) {
  // Only the exact word "feet" means feet; anything else is taken as meters.
  EXPECT_EQ(Tie(CalibrationSide(" 20 feet"), CalibrationSide(" 10 feet"),
                CalibrationSide(" 4 meters"), CalibrationSide(" 12.5 meters"),
                CalibrationSide(" 20 Feet"), CalibrationSide("feet"), CalibrationSideText(18.18)),
            Tie(8.87, 4.43, 5.82, 18.18, 29.09, 0.0, "18.18"));
  // The prompt on the square's screen is in no box, so its words are checked here; the box's
  // words are the texts table's, and here only the number it carries, as it is written.
  EXPECT_EQ(CalibrationPrompt(CalibrationSide(" 20 feet")),
            "Use arrow keys or '+' and '-' keys to adjust the box to  8.87 centimeters square, "
            "then press <Enter>.");
  EXPECT_NE(
      CalibrationMessage(5.82).find("until it measures \\n\\n 5.82 centimeters square.  \\n\\n"),
      std::string::npos);
}

// The black square's pixels: its size, and how many of them are pure black.
std::pair<QSize, int> Square(const QImage& image) {
  return {BlackInk(image).size(), CountColour(image, Qt::black, 0)};
}

TEST(CalibrationScreen, SquareHasTheScalesInPixelsCentredOnTheScreen) {
  Canvas canvas(1920 - 3, 1080 - 30);
  DrawCalibrationScreen(canvas, 1920, 1080, 343, 343, 8.87);
  const QImage& image = canvas.Image();

  EXPECT_EQ(Square(image), std::pair(QSize(343, 343), 343 * 343));  // solid, no grey fringe
  // Centred on the monitor, not on the window's smaller client area.
  const QRect ink = BlackInk(image);
  EXPECT_EQ(Tie(std::abs(ink.left() + ink.right() + 1 - 1920) <= 1,
                std::abs(ink.top() + ink.bottom() + 1 - 1080) <= 1),
            Tie(true, true));

  // The prompt is red, on two lines: the size to reach, then what the keys do.
  const QRect red =
      InkBox(image, [](QRgb p) { return qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80; });
  // 16 points = 21 pixels of font height, twice; one long line.
  EXPECT_TRUE(red.top() < 8 && red.bottom() > 30 && red.bottom() < 52 && red.right() > 400)
      << red.top() << " " << red.bottom() << " " << red.right();

  // Non-square pixels get a rectangle; an odd height puts the centre between pixels.
  Canvas odd(1280 - 3, 1025 - 30);
  DrawCalibrationScreen(odd, 1280, 1025, 300, 351, 8.87);
  EXPECT_EQ(Square(odd.Image()), std::pair(QSize(300, 351), 300 * 351));
}

}  // namespace
}  // namespace lenvari
