#pragma once
// A calibrated 1920 x 1080 chart state on a fresh data folder, and the pixel checks the
// gallery tests share.

#include <QColor>
#include <QImage>

#include <filesystem>
#include <string>

#include "render/ChartTestFixtures.h"
#include "render/OptotypeShapes.h"
#include "support/ProgramRun.h"

namespace lenvari::testing {

struct GalleryTestFolder {
  std::string folder = FreshFolder("gallery");
  State state = MakeChartState(1920, 1080, 400);
  OptotypeShapes shapes = LoadOptotypeShapes();
  GalleryTestFolder() {
    state.DataPath = folder;
    state.monitors.CurrentMonitor = 1;
    SetChartExtent(state.monitors);
  }
  std::string Path(const std::string& name) const { return folder + "/" + name; }
};

// Cell n's pixels (6 x 6 grid) of a display-size picture.
inline QImage CellOf(const QImage& picture, int n) {
  const int c = (n - 1) % 6, r = (n - 1) / 6;
  const int x0 = c * picture.width() / 6, x1 = (c + 1) * picture.width() / 6;
  const int y0 = r * picture.height() / 6, y1 = (r + 1) * picture.height() / 6;
  return picture.copy(x0, y0, x1 - x0, y1 - y0).convertToFormat(QImage::Format_RGB32);
}

inline int CountColour(const QImage& image, QColor colour, int tolerance = 8) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor p = image.pixelColor(x, y);
      if (std::abs(p.red() - colour.red()) <= tolerance &&
          std::abs(p.green() - colour.green()) <= tolerance &&
          std::abs(p.blue() - colour.blue()) <= tolerance)
        ++count;
    }
  return count;
}

// The longest run of pixels of `colour` along row y between x0 and x1.
inline int RunAlongRow(const QImage& image, int y, int x0, int x1, QColor colour) {
  int best = 0, run = 0;
  for (int x = x0; x < x1; ++x) {
    run = image.pixelColor(x, y) == colour ? run + 1 : 0;
    best = std::max(best, run);
  }
  return best;
}

}  // namespace lenvari::testing
