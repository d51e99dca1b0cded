#include "monitorwindow/MonitorWindowDrawing.h"

namespace lenvari {
namespace {

void DrawThumbnail(const MonitorWindowLayout& layout, const Canvas* patientDisplay,
                   Canvas& canvas) {
  if (!layout.thumbnail) return;
  if (patientDisplay) canvas.StretchCanvasSampled(*patientDisplay, layout.thumbnailBox);
  canvas.SetPenWidth(1);
  canvas.OutlineBox(layout.outlineBox, kMonitorWindowInk);
}

}  // namespace

std::vector<std::string> DrawMonitorWindow(const MonitorWindowLayout& layout,
                                           const MonitorWindowText& text,
                                           const Canvas* patientDisplay, Canvas& canvas) {
  canvas.SetScale(0, 0, canvas.PixelWidth(), canvas.PixelHeight());
  canvas.SetAntialias(true);
  canvas.Clear(kMonitorWindowBackground);
  SelectMonitorWindowFont(canvas);
  canvas.SetTextColour(kMonitorWindowInk);
  canvas.SetTextBackground(kMonitorWindowBackground, false);

  std::vector<std::string> printed;
  if (!text.caption.empty()) {
    DrawThumbnail(layout, patientDisplay, canvas);
    canvas.PrintText(0, 0, text.caption);
    printed.push_back(text.caption);
    return printed;
  }
  const double h = layout.lineHeight;
  double y = 0;
  if (!text.heading.empty()) {
    canvas.PrintText(0, y, text.heading);
    printed.push_back(text.heading);
    y += h;
  }
  for (const std::string& line : text.lines) {
    y += h / 2;
    const std::string shown = "  " + line;
    canvas.PrintText(0, y, shown);
    printed.push_back(shown);
    y += h;
  }
  DrawThumbnail(layout, patientDisplay, canvas);
  return printed;
}

}  // namespace lenvari
