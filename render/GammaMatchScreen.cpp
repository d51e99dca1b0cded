#include "render/GammaMatchScreen.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/qtgui/Bitmap.h"
#include "platform/qtgui/Canvas.h"
#include "platform/KeyTranslation.h"
#include "platform/TransferCurve.h"
#include "render/LetterChartBackground.h"
#include "store/ChartState.h"

namespace lenvari {
namespace {

constexpr Colour kPromptColour = RgbColour(255, 0, 0);

double Hundredths(double value) { return std::round(value * 100) / 100; }

// The 8-bit value whose light under `gamma` is nearest to `light` (nearest in value).
int ValueOfLight(double light, double gamma) {
  return static_cast<int>(std::lround(255 * std::pow(std::clamp(light, 0.0, 1.0), 1 / gamma)));
}

// The mean of two lights in the power `gamma`, as the power mean of their values: it rises with
// the gamma, from their geometric mean towards the higher one, so a grey between those two is
// matched by exactly one gamma.
double PowerMean(double low, double high, double gamma) {
  return std::pow((std::pow(low, gamma) + std::pow(high, gamma)) / 2, 1 / gamma);
}

GammaMatchField FieldFor(double lowLight, double highLight, double gamma) {
  const int low0 = ValueOfLight(lowLight, gamma), high0 = ValueOfLight(highLight, gamma);
  GammaMatchField best;
  double bestError = -1;
  int bestShift = 0;
  for (int low = low0 - 2; low <= low0 + 2; ++low) {
    for (int high = high0 - 2; high <= high0 + 2; ++high) {
      if (low < 0 || high > 255) continue;
      const double mean = (DisplayLight(low, gamma) + DisplayLight(high, gamma)) / 2;
      const int grey0 = ValueOfLight(mean, gamma);
      for (int grey = grey0 - 1; grey <= grey0 + 1; ++grey) {
        const double matched = MatchedGamma(low, high, grey);
        if (matched <= 0) continue;
        const double error = std::abs(matched - gamma);
        const int shift = std::abs(low - low0) + std::abs(high - high0) + std::abs(grey - grey0);
        // Nearly equal matches: the values nearest the lights asked for.
        if (bestError < 0 || error < bestError - 1e-4 ||
            (error < bestError + 1e-4 && shift < bestShift)) {
          best = {low, high, grey};
          bestError = error;
          bestShift = shift;
        }
      }
    }
  }
  return best;
}

// A one-pixel checkerboard of two values, `side` pixels square, `low` in its top-left corner.
// Copied one to one onto whole pixels of the screen, its pixels stay exactly these two values
// (a smoothed or dithered shape would mix others in).
Bitmap Checkerboard(int side, int low, int high) {
  std::vector<std::uint8_t> greys(static_cast<size_t>(side) * static_cast<size_t>(side));
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x)
      greys[static_cast<size_t>(y) * static_cast<size_t>(side) + static_cast<size_t>(x)] =
          static_cast<std::uint8_t>((x + y) % 2 == 0 ? low : high);
  return Bitmap::FromGreys(side, side, greys);
}

}  // namespace

double StartingMatchGamma(double storedGamma) {
  if (storedGamma <= 0) return kUnmatchedStartGamma;
  return Hundredths(std::clamp(storedGamma, kLowestMatchGamma, kHighestMatchGamma));
}

double MatchedGamma(int low, int high, int grey) {
  if (!(0 <= low && low < grey && grey < high && high <= 255)) return 0;
  const double x = low / 255.0, y = high / 255.0, z = grey / 255.0;
  double from = 0.05, to = 20;
  if (PowerMean(x, y, from) >= z || PowerMean(x, y, to) <= z) return 0;
  for (int i = 0; i < 60; ++i) {
    const double middle = (from + to) / 2;
    (PowerMean(x, y, middle) < z ? from : to) = middle;
  }
  return (from + to) / 2;
}

std::array<GammaMatchField, 2> GammaMatchFields(double gamma) {
  std::array<GammaMatchField, 2> fields;
  for (size_t i = 0; i < fields.size(); ++i)
    fields[i] = FieldFor(kGammaMatchLights[i][0], kGammaMatchLights[i][1], gamma);
  return fields;
}

std::string GammaText(double gamma) {
  const long hundredths = std::lround(gamma * 100);
  const long cents = hundredths % 100;
  return std::to_string(hundredths / 100) + "." + (cents < 10 ? "0" : "") + std::to_string(cents);
}

std::array<std::string, 3> GammaMatchPrompt(double gamma) {
  return {"Seen from the patient's place, each checkerboard should look the same as the grey beside it.",
          "Use the up and down arrows until it does, then press <Enter>.",
          "Gamma " + GammaText(gamma) + "    <Esc> leaves the display's gamma as it was."};
}

void DrawGammaMatchScreen(Canvas& canvas, const GammaMatchView& view) {
  const int width = canvas.PixelWidth(), height = canvas.PixelHeight();
  // The chart's own background, drawn in pixels centred as the chart's units are.
  canvas.SetScale(-width / 2.0, -height / 2.0, width / 2.0, height / 2.0);
  ChartState chart;
  chart.RG = view.redGreen ? 1 : 0;
  DrawLetterChartBackground(canvas, chart, MaskWindow{}, width, height);

  canvas.SetScale(0, 0, width, height);
  // Both halves of a field must be exactly their values: no smoothed edge, no light of its own.
  canvas.SetAntialias(false);
  canvas.SetInkLight(kBlack, -1);
  // Even, so the checkerboard's picture lands on whole pixels, copied one to one.
  const int side = std::max(8, std::min(width / 5, height / 4)) & ~1;
  const int left = (width - 2 * side) / 2;
  // Below the prompt's three lines however small the screen.
  const int top = std::max(80, (height - (2 * side + side / 2)) / 2);
  const std::array<GammaMatchField, 2> fields = GammaMatchFields(view.gamma);
  for (size_t i = 0; i < fields.size(); ++i) {
    const double y = top + static_cast<double>(i) * (side + side / 2);
    const GammaMatchField& f = fields[i];
    canvas.StretchBitmap(Checkerboard(side, f.low, f.high),
                         {static_cast<double>(left), y, static_cast<double>(left + side), y + side});
    canvas.FillBox({static_cast<double>(left + side), y, static_cast<double>(left + 2 * side), y + side},
                   GreyColour(f.grey));
  }

  canvas.SetAntialias(true);
  canvas.SetFont("Times New Roman", 16);
  canvas.SetTextColour(kPromptColour);
  // Opaque, so the prompt reads on the red and green halves too.
  canvas.SetTextBackground(kWhite, true);
  double y = 0;
  for (const std::string& line : GammaMatchPrompt(view.gamma)) {
    canvas.PrintText(0, y, line);
    y += canvas.TextHeight();
  }
  canvas.SetAntialias(false);
}

GammaMatchKey ApplyGammaMatchKey(const std::string& key, double& gamma) {
  int direction = 0;
  if (key == ExtendedKey(keycode::Up) || key == "!" || key == "+") direction = +1;
  if (key == ExtendedKey(keycode::Down) || key == "@" || key == "-") direction = -1;
  if (direction != 0) {
    const double next =
        std::clamp(Hundredths(gamma + direction * kGammaMatchStep), kLowestMatchGamma, kHighestMatchGamma);
    if (next == gamma) return GammaMatchKey::None;
    gamma = next;
    return GammaMatchKey::Changed;
  }
  if (key == "\r" || key == ".") return GammaMatchKey::Keep;
  if (key == "\x1b") return GammaMatchKey::Leave;
  return GammaMatchKey::None;
}

}  // namespace lenvari
