#include "render/SizeReadout.h"

#include <algorithm>
#include <cmath>

#include "platform/TransferCurve.h"
#include "render/ContrastReadout.h"
#include "render/LetterChartLayout.h"

namespace lenvari {
namespace {

constexpr int kPositions = 100;

// The width in pixels that a stroke of grey `grey` from `left` to `left + width` on white gives as
// light: each pixel adds how much darker than white it is, as a share of a fully covered pixel.
// Smoothed, the canvas gets each pixel's coverage in 8 bits and mixes the grey into white in
// light, paying each edge's rounding back at the next edge; unsmoothed, a pixel is the stroke's
// when its centre is inside.
double EffectiveWidth(double left, double width, bool smoothing, int grey, const TransferCurve& curve) {
  const double full = 1 - curve.Light(grey);
  const double right = left + width;
  double sum = 0;
  int carry = 0;
  for (int i = static_cast<int>(std::floor(left)); i < static_cast<int>(std::ceil(right)); ++i) {
    if (!smoothing) {
      const double centre = i + 0.5;
      sum += centre >= left && centre < right ? 1 : 0;
      continue;
    }
    const double coverage = std::max(0.0, std::min<double>(i + 1, right) - std::max<double>(i, left));
    const int value = curve.Mix(static_cast<int>(std::lround(255 * coverage)), grey, 255, carry);
    sum += (1 - curve.Light(value)) / full;
  }
  return sum;
}

int CurrentMonitorOf(const State& state) { return std::clamp(state.monitors.CurrentMonitor, 1, kMaxMonitors); }

double PixelsPerUnit(const State& state) { return state.monitors.MasterScaleY[CurrentMonitorOf(state)] / 1000.0; }

}  // namespace

namespace {

StrokeReadout ReadStrokeThrough(const TransferCurve& curve, double denominator, double idealPixels,
                                bool smoothing, int grey) {
  StrokeReadout readout;
  readout.denominator = denominator;
  readout.idealPixels = idealPixels;
  if (idealPixels <= 0 || grey < 0 || grey >= 255) return readout;
  double effective = 0, error = 0;
  for (int k = 0; k < kPositions; ++k) {
    const double width = EffectiveWidth(static_cast<double>(k) / kPositions, idealPixels, smoothing, grey, curve);
    effective += width;
    error += std::abs(width - idealPixels) / idealPixels;
  }
  readout.effectivePixels = effective / kPositions;
  readout.errorPercent = 100 * error / kPositions;
  readout.beyondTolerance = readout.errorPercent > kStrokeTolerancePercent;
  return readout;
}

// The curve the chart's canvas mixes through on this display.
TransferCurve DisplayCurve(const State& state) { return TransferCurve(state.display.DisplayGamma); }

// The letters' grey as drawn: the rung's grey, or with luminance-true contrast the darker of
// the two values its dither mixes (the edges are mixed from that value).
int DrawnGrey(const State& state) {
  const int foreground = state.chart.Foreground;
  const double light = ForegroundLight(foreground, state.display);
  if (light >= 0) return DitherLight(light, state.display.DisplayGamma).low;
  return std::clamp(foreground, 0, 100) * 255 / 100;
}

}  // namespace

StrokeReadout ReadStroke(double denominator, double idealPixels, bool smoothing, int grey, double gamma) {
  static const TransferCurve srgb;  // the curve every canvas mixes through unless told otherwise
  if (gamma <= 0) return ReadStrokeThrough(srgb, denominator, idealPixels, smoothing, grey);
  return ReadStrokeThrough(TransferCurve(gamma), denominator, idealPixels, smoothing, grey);
}

std::vector<StrokeReadout> RowReadouts(const State& state) {
  std::vector<StrokeReadout> rows;
  const ChartState& chart = state.chart;
  if (IsSpecialTargetMode(chart.Mode)) return rows;
  const int f = SafeFileIndex(chart.LetterSetFileNum);
  const bool smoothing = state.settings.SmoothingFlag != 0;
  const int grey = DrawnGrey(state);
  const TransferCurve curve = DisplayCurve(state);
  int s = chart.SizeNow;
  for (int row = 1; row <= chart.RowsShown && s >= 0; ++row) {
    const double d = LetterDenominator(state.letters, f, s);
    rows.push_back(ReadStrokeThrough(curve, d, d * PixelsPerUnit(state), smoothing, grey));
    if (chart.Grad != 0) s -= 1;
  }
  return rows;
}

double BestMeasurableDenominator(const State& state) {
  const int f = SafeFileIndex(state.chart.LetterSetFileNum);
  const bool smoothing = state.settings.SmoothingFlag != 0;
  const TransferCurve curve = DisplayCurve(state);
  double best = 0;
  for (int s = 1; s <= state.letters.NumSizes[f]; ++s) {
    const double d = LetterDenominator(state.letters, f, s);
    if (d <= 0 || ReadStrokeThrough(curve, d, d * PixelsPerUnit(state), smoothing, 0).beyondTolerance)
      continue;
    if (best == 0 || d < best) best = d;
  }
  return best;
}

}  // namespace lenvari
