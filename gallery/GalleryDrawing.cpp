#include "gallery/GalleryDrawing.h"

#include <algorithm>

#include "gallery/GalleryCells.h"
#include "store/Monitors.h"

namespace lenvari {
namespace {

constexpr Colour kLabelYellow = RgbColour(255, 255, 0);
// The face name as the layout has always given it; a face the machine lacks falls back to the
// default sans face.
constexpr const char* kBannerFace = "Ariel";
constexpr double kBannerPoints = 14;
constexpr const char* kLabelFace = "Times New Roman";
constexpr double kLabelPoints = 20;
constexpr double kBannerPlace = 0.93;

int Current(const Monitors& monitors) {
  return std::clamp(monitors.CurrentMonitor, 1, kMaxMonitors);
}

}  // namespace

void DrawCellFrame(Canvas& canvas, const Monitors& monitors, int n, Colour colour) {
  canvas.SetPenWidth(CellFrameWidth(monitors.ScreenWidth[Current(monitors)]));
  canvas.OutlineBox(CellRect(n, monitors.ChartWidth, monitors.ChartHeight), colour);
}

void DrawCellLabel(Canvas& canvas, const Monitors& monitors, int n) {
  const RectF cell = CellRect(n, monitors.ChartWidth, monitors.ChartHeight);
  canvas.SetFont(kLabelFace, kLabelPoints);
  canvas.SetTextColour(kLabelYellow);
  canvas.SetTextBackground(kCellFrameGrey, true);
  std::string text = " ";  // built up: a prepended literal trips GCC 12's -Wrestrict
  text += std::to_string(n);
  text += ' ';
  // The full display's label sits 1.5 pixels in from the right and 15 up from the bottom; a
  // cell is a sixth of it.
  const double right = cell.right - 1.5 / 6 * canvas.UnitsPerPixelX();
  const double bottom = cell.bottom - 15.0 / 6 * canvas.UnitsPerPixelY();
  canvas.PrintText(right - canvas.TextWidth(text), bottom - canvas.TextHeight(), text);
  canvas.SetTextBackground(kCellFrameGrey, false);
}

void DrawRecordBanner(Canvas& canvas, const Monitors& monitors, const std::string& text) {
  canvas.SetFont(kBannerFace, kBannerPoints);
  canvas.SetTextColour(kSelectionRed);
  canvas.SetTextBackground(kLabelYellow, true);
  const double x = -canvas.TextWidth(text) / 2;
  const double y = kBannerPlace * monitors.ChartHeight / 2;
  canvas.PrintText(x, -y, text);
  canvas.PrintText(x, y, text);
  canvas.SetTextBackground(kLabelYellow, false);
}

}  // namespace lenvari
