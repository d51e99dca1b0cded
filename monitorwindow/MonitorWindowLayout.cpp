#include "monitorwindow/MonitorWindowLayout.h"

#include <algorithm>
#include <cmath>

#include "common/NumberText.h"

namespace lenvari {
namespace {

constexpr int kMinimisedPosition = -32000;

int MonitorIndex(const Monitors& monitors) {
  return std::clamp(monitors.CurrentMonitor, 1, kMaxMonitors);
}

// Screen height over screen width of the patient monitor, the thumbnail's aspect.
double Aspect(const Monitors& monitors) {
  const int m = MonitorIndex(monitors);
  if (monitors.ScreenWidth[m] <= 0) return 0;
  return static_cast<double>(monitors.ScreenHeight[m]) / monitors.ScreenWidth[m];
}

// One thumbnail-high area for the text, and a second for the thumbnail when it is on.
int Areas(const Settings& settings) { return settings.ThumbnailFlag == 1 ? 2 : 1; }

bool Overlaps(int left, int top, int width, int height, const MonitorRectangle& rect) {
  return left < rect[3] && left + width > rect[1] && top < rect[4] && top + height > rect[2];
}

}  // namespace

void SelectMonitorWindowFont(Canvas& canvas) { canvas.SetFont("Ariel", 12, true); }

bool CheckMonitorWindowSize(Settings& settings, const Monitors& monitors, double sampleWidth) {
  const int m = MonitorIndex(monitors);
  int& w = settings.MonitorWindowWidth[m];
  int& h = settings.MonitorWindowHeight[m];
  const double aspect = Aspect(monitors);
  const double t = aspect * w;
  if (w == sampleWidth && h == RoundHalfEven(t * Areas(settings))) return false;
  const int oldWidth = w, oldHeight = h;
  w = static_cast<int>(RoundHalfEven(sampleWidth));
  h = static_cast<int>(std::floor(aspect * w)) * Areas(settings);
  return w != oldWidth || h != oldHeight;
}

bool PlaceMonitorWindowOnDesktop(Settings& settings, const Monitors& monitors) {
  const int m = MonitorIndex(monitors);
  int& x = settings.MonitorWindowX[m];
  int& y = settings.MonitorWindowY[m];
  const int oldX = x, oldY = y;
  if (x == kMinimisedPosition) x = 0;
  if (y == kMinimisedPosition) y = 0;
  const int width = std::max(1, settings.MonitorWindowWidth[m]);
  const int height = std::max(1, settings.MonitorWindowHeight[m]);
  bool visible = monitors.NumberOfMonitors < 1;  // nothing known to check against
  for (int n = 1; n <= std::min(monitors.NumberOfMonitors, kMaxMonitors); ++n)
    visible = visible || Overlaps(x, y, width, height, monitors.MonitorRect[n]);
  if (!visible) {
    // The primary monitor is the first one the desktop reports.
    x = monitors.MonitorRect[1][1];
    y = monitors.MonitorRect[1][2];
  }
  return x != oldX || y != oldY;
}

MonitorWindowLayout LayOutMonitorWindow(const Settings& settings, const Monitors& monitors,
                                        const MonitorWindowText& text, const Canvas& measuring) {
  const int m = MonitorIndex(monitors);
  MonitorWindowLayout layout;
  layout.storedWidth = settings.MonitorWindowWidth[m];
  layout.storedHeight = settings.MonitorWindowHeight[m];
  layout.width = layout.storedWidth;
  layout.height = layout.storedHeight;
  layout.lineHeight = measuring.TextHeight();
  layout.thumbnail = settings.ThumbnailFlag == 1;

  if (text.caption.empty()) {
    const double n = static_cast<double>(text.lines.size());
    // The heading of the tumbling E and Landolt C takes one more line.
    const double extraLines = text.heading.empty() ? 0.5 : 1.5;
    const double needed = layout.storedHeight / 2.0 + layout.lineHeight * (1.5 * n + extraLines);
    double widest = 0;
    for (const std::string& line : text.lines)
      widest = std::max(widest, measuring.TextWidth(line + "      "));
    layout.height = std::max(layout.height, static_cast<int>(std::ceil(needed)));
    layout.width = std::max(layout.width, static_cast<int>(std::ceil(widest)));
  }

  const double w = layout.storedWidth;
  const double h = layout.height;
  const double t = Aspect(monitors) * w;
  const double a = static_cast<double>(RoundHalfEven(0.05 * w));
  const double b = static_cast<double>(RoundHalfEven(0.04 * w));
  layout.thumbnailBox = {a, a + h - t, w - a, h - a};
  layout.outlineBox = {b, b + h - t, w - b, h - b};
  return layout;
}

}  // namespace lenvari
