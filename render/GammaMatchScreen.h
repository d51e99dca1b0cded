#pragma once
// The display's gamma matched by eye: fields of a one-pixel checkerboard of two levels, each
// beside a solid grey. From the chair the checkerboard blurs into the mean of its two lights;
// the grey is built to have that light under the gamma tried, so the fields vanish into their
// greys only when the gamma tried is the display's own. The examiner steps the gamma with the
// arrows until they do.
//
// The pieces are pure (levels, drawing onto a Canvas, key handling); the application runs them.

#include <array>
#include <string>

#include "common/Colour.h"

namespace lenvari {

class Canvas;

// The gammas the examiner can try, in the steps the arrows take.
inline constexpr double kGammaMatchStep = 0.05;
inline constexpr double kLowestMatchGamma = 1.0;
inline constexpr double kHighestMatchGamma = 3.0;
// Where the match starts on a display whose gamma was never measured (the sRGB curve is close
// to it).
inline constexpr double kUnmatchedStartGamma = 2.2;

// The gamma the match starts at: the stored one (0: none stored), held to the range and to
// hundredths.
double StartingMatchGamma(double storedGamma);

// One field: the checkerboard's two 8-bit values and the grey beside it.
struct GammaMatchField {
  int low = 0, high = 0, grey = 0;
  bool operator==(const GammaMatchField&) const = default;
};

// The lights (fractions of white's) the two checkerboards are made of: a pair spanning most of
// the range and one near the dark end, where displays depart most from a pure power.
inline constexpr std::array<std::array<double, 2>, 2> kGammaMatchLights{{{0.10, 0.90}, {0.02, 0.18}}};

// The fields for the gamma tried. Each holds the values nearest the lights above whose grey has,
// under that gamma, the checkerboard's mean light: of the 8-bit values around them, the three
// whose own match gamma (see MatchedGamma) is closest to the one tried, so rounding to 8 bits
// moves the match by far less than a step.
std::array<GammaMatchField, 2> GammaMatchFields(double gamma);

// The gamma under which the mean light of the values `low` and `high` equals the light of
// `grey` (low < grey < high); 0 when there is none.
double MatchedGamma(int low, int high, int grey);

// What the screen shows and how it stands in the room.
struct GammaMatchView {
  double gamma = kUnmatchedStartGamma;
  // The chart's red/green halves behind the fields instead of white.
  bool redGreen = false;
};

// "2.35": the gamma as the prompt and the status write it.
std::string GammaText(double gamma);

// The lines at the top of the screen: what to look for, what the keys do, the gamma tried.
std::array<std::string, 3> GammaMatchPrompt(double gamma);

// One frame of the match screen on a canvas of the patient monitor's pixel size: the chart's
// background (white, or its red and green halves), the fields one above the other in the middle,
// each checkerboard left of its grey, and the prompt. The canvas is left in plain pixels.
void DrawGammaMatchScreen(Canvas& canvas, const GammaMatchView& view);

// What a key does on the match screen.
enum class GammaMatchKey { None, Changed, Keep, Leave };
// Up (and the remote's "!", "+") raises the gamma tried by a step, Down ("@", "-") lowers it,
// within the range; Enter or "." keeps it, Escape leaves the gamma as it was.
GammaMatchKey ApplyGammaMatchKey(const std::string& key, double& gamma);

}  // namespace lenvari
