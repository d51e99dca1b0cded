#include "render/ClockDial.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "common/NumberText.h"
#include "platform/qtgui/Canvas.h"
#include "render/ChartColours.h"
#include "render/ClockDialLabels.h"
#include "render/LetterChartBackground.h"
#include "render/Optotype.h"
#include "render/TargetShapes.h"
#include "store/State.h"

namespace lenvari {
namespace {

// The twelve spokes as one zig-zag outline each, 12 points per spoke: with the non-zero rule each
// outline covers exactly three bars of width u, u apart, from rIn to rOut, and every run of four
// points is one bar.
std::vector<PointF> SpokeOutlines(double u, double rIn, double rOut) {
  constexpr double pi = std::numbers::pi;
  static constexpr double kOffsets[12][2] = {
      {0, -2.5}, {1, -2.5}, {1, -1.5}, {0, -1.5}, {0, -0.5}, {1, -0.5},
      {1, 0.5},  {0, 0.5},  {0, 1.5},  {1, 1.5},  {1, 2.5},  {0, 2.5}};
  std::vector<PointF> points;
  points.reserve(144);
  for (int spoke = 0; spoke < 12; ++spoke) {
    const double t = spoke * pi / 6;
    const double cx = std::cos(t), cy = std::sin(t);
    const double nx = std::cos(t + pi / 2), ny = std::sin(t + pi / 2);
    for (const auto& o : kOffsets) {
      const double r = o[0] == 0 ? rIn : rOut;
      points.push_back({cx * r + o[1] * u * nx, cy * r + o[1] * u * ny});
    }
  }
  return points;
}

std::vector<PointF> HubOutline(double u, double rIn) {
  constexpr double pi = std::numbers::pi;
  std::vector<PointF> points;
  points.reserve(24);
  for (int spoke = 0; spoke < 12; ++spoke) {
    const double t = spoke * pi / 6;
    const double cx = std::cos(t) * rIn, cy = std::sin(t) * rIn;
    const double nx = std::cos(t + pi / 2), ny = std::sin(t + pi / 2);
    points.push_back({cx - 2.5 * u * nx, cy - 2.5 * u * ny});
    points.push_back({cx + 2.5 * u * nx, cy + 2.5 * u * ny});
  }
  return points;
}

void DrawHourLabels(State& state, const OptotypeShapes& shapes, Canvas& canvas, double rOut,
                    double u, int mirror) {
  const bool mirrored = mirror == -1;
  const HourLabelLayout layout = PlaceHourLabels(canvas.Scale(), rOut, u, mirrored);
  for (const HourCharacter& c : HourCharacters(layout, mirrored)) {
    std::string key = c.character == '1' ? "SIMPLE1" : std::string(1, c.character);
    DrawOptotype(canvas, shapes, key, kPureBlue, c.x, c.y, layout.size, mirror, state.chart.Mode,
                 state.chart.LastDirection, state.random);
  }
}

}  // namespace

void DrawClockDial(State& state, const OptotypeShapes& shapes, Canvas& canvas,
                   Colour foregroundColor) {
  const Settings& settings = state.settings;
  const int m = std::clamp(state.monitors.CurrentMonitor, 1, kMaxMonitors);
  if (settings.AstigMode == "RotatingArrow") {
    FillWholeCanvas(canvas, kWhite);
    const RectF window = canvas.Scale();
    canvas.SetFont("Courier", 15);
    canvas.SetTextColour(kBlack);
    canvas.SetTextBackground(kWhite, true);
    canvas.PrintText(window.left, window.top, "Rotating Arrow coming soon!");
    return;
  }
  ChartState& chart = state.chart;
  chart.Mask = 0;
  chart.RG = 0;
  DrawLetterChartBackground(canvas, chart, {}, state.monitors.ChartWidth, state.monitors.ChartHeight);

  const double chartHeight = state.monitors.ChartHeight;
  // The dial's long antialiased bars are the slowest picture of the chart; the same dial is
  // copied from the one drawn last time. The key holds everything its pixels depend on.
  const bool labels = settings.AstigMode != "DialNoLabels";
  const int mirror = settings.Mirror[m] == -1 ? -1 : 1;
  const RectF window = canvas.Scale();
  const std::string key = "dial " + std::to_string(canvas.PixelWidth()) + "x" +
                          std::to_string(canvas.PixelHeight()) + " " +
                          std::to_string(window.left) + " " + std::to_string(window.top) + " " +
                          std::to_string(window.right) + " " + std::to_string(window.bottom) +
                          " " + std::to_string(chartHeight) + " " +
                          std::to_string(foregroundColor) + " " + std::to_string(mirror) +
                          (labels ? " labels " : " plain ") + ModeWordOf(chart) + " " +
                          std::to_string(canvas.PenWidth()) + (canvas.Antialias() ? " aa" : "") +
                          " light " + std::to_string(state.display.LuminanceContrast) + " " +
                          std::to_string(state.display.DisplayGamma);
  if (canvas.RestoreInkSnapshot(key)) return;
  canvas.MarkInk();

  const double u = chartHeight / 100;
  const double rIn = static_cast<double>(RoundHalfEven(0.1 * chartHeight));
  const double rOut = static_cast<double>(RoundHalfEven(0.4 * chartHeight));
  // Filled bar by bar: the same pixels as the whole zig-zag polygon, but antialiasing one
  // polygon spanning the dial costs several times the sum of its 36 thin bars.
  const std::vector<PointF> spokes = SpokeOutlines(u, rIn, rOut);
  std::vector<PointF> bar(4);
  for (size_t first = 0; first + 4 <= spokes.size(); first += 4) {
    std::copy(spokes.begin() + static_cast<std::ptrdiff_t>(first),
              spokes.begin() + static_cast<std::ptrdiff_t>(first + 4), bar.begin());
    canvas.FillPolygon(bar, foregroundColor);
  }

  const double pen = canvas.PenWidth();
  canvas.SetPenWidth(2);
  canvas.FillPolygon(HubOutline(u, rIn), kWhite);
  canvas.SetPenWidth(pen);

  if (labels) DrawHourLabels(state, shapes, canvas, rOut, u, mirror);
  canvas.KeepInkSnapshot(key);
}

}  // namespace lenvari
