#include "render/CalibrationScreen.h"

#include <algorithm>
#include <cstdlib>

#include "common/Colour.h"
#include "common/NumberText.h"
#include "platform/qtgui/Canvas.h"
#include "platform/KeyTranslation.h"

namespace lenvari {
namespace {

// Inches of height per foot of distance that subtend 50 minutes of arc.
constexpr double kInchesPerFootFor50Minutes = 0.174533048;
constexpr double kCentimetresPerInch = 2.54;
constexpr double kFeetPerMetre = 3.28084;

constexpr Colour kPromptColour = RgbColour(255, 0, 0);

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// Keeps the scale positive: a square of no pixels would vanish, and every chart size with it.
void Step(int& scale, int delta) { scale = std::max(1, scale + delta); }

}  // namespace

double CalibrationSide(const std::string& testDistance) {
  const double distance = LeadingNumber(testDistance);
  double side = distance * kInchesPerFootFor50Minutes * kCentimetresPerInch;
  if (!EndsWith(testDistance, "feet")) side *= kFeetPerMetre;
  return RoundToHundredths(side);
}

std::string CalibrationSideText(double side) { return FormatWithMask(side, "##.##"); }

std::string CalibrationMessage(double side) {
  return std::string(" Once you begin, you will see a white screen with a black square outlined") +
         " on the screen.\\n\\n" +
         " Use the up and down arrows or the '+' and '-' keys to adjust the size of the square" +
         " until it measures \\n\\n" + CalibrationSideText(side) + " centimeters square.  \\n\\n" +
         " Once you have achieved the correct size of the square," +
         " press <Enter> to save the calibration";
}

std::string CalibrationPrompt(double side) {
  return "Use arrow keys or '+' and '-' keys to adjust the box to " + CalibrationSideText(side) +
         " centimeters square, then press <Enter>.";
}

std::string CalibrationKeysLine(bool canKeepPrevious) {
  std::string line = "Arrows change one side, '+' and '-' both.";
  if (canKeepPrevious) line += "  <Esc> keeps the previous calibration.";
  return line;
}

void DrawCalibrationScreen(Canvas& canvas, int screenWidth, int screenHeight, int scaleX,
                           int scaleY, double side, bool canKeepPrevious) {
  canvas.SetScale(0, 0, canvas.PixelWidth(), canvas.PixelHeight());
  canvas.Clear(kWhite);
  // Hard edges: the examiner measures the square with a ruler, so no grey fringe.
  canvas.SetAntialias(false);
  const double centreX = screenWidth / 2.0;
  const double centreY = screenHeight / 2.0;
  canvas.FillBox({centreX - scaleX / 2.0, centreY - scaleY / 2.0, centreX + scaleX / 2.0,
                  centreY + scaleY / 2.0},
                 kBlack);
  canvas.SetAntialias(true);
  canvas.SetFont("Times New Roman", 16);
  canvas.SetTextColour(kPromptColour);
  canvas.SetTextBackground(kWhite, false);
  canvas.PrintText(0, 0, CalibrationPrompt(side));
  canvas.PrintText(0, canvas.TextHeight(), CalibrationKeysLine(canKeepPrevious));
  canvas.SetAntialias(false);
}

bool ApplyCalibrationKey(const std::string& key, int& scaleX, int& scaleY) {
  const std::string up = ExtendedKey(keycode::Up), down = ExtendedKey(keycode::Down),
                    right = ExtendedKey(keycode::Right), left = ExtendedKey(keycode::Left);
  if (key == up || key == "!") {
    Step(scaleY, +1);
  } else if (key == down || key == "@") {
    Step(scaleY, -1);
  } else if (key == right || key == "$") {
    Step(scaleX, +1);
  } else if (key == left || key == "#") {
    Step(scaleX, -1);
  } else if (key == "+") {
    Step(scaleX, +1);
    Step(scaleY, +1);
  } else if (key == "-") {
    Step(scaleX, -1);
    Step(scaleY, -1);
  } else if (key == kEnterKey || key == ".") {
    return true;
  }
  return false;
}

std::string MeasureAgainMessage(int scaleX, int scaleY, int physicalX, int physicalY,
                                double side) {
  return "The square is now " + std::to_string(scaleX) + " x " + std::to_string(scaleY) +
         " pixels. The size this monitor reports makes" + CalibrationSideText(side) +
         " centimeters " + std::to_string(physicalX) + " x " + std::to_string(physicalY) +
         " pixels.\\n\\nPlease measure the square again with a ruler, or keep it if your "
         "measurement is right.";
}

}  // namespace lenvari
