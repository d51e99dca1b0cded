#pragma once
// A calibrated 1920 x 1080 chart state on a fresh data folder for the gallery tests.

#include <filesystem>
#include <string>

#include "render/ChartTestFixtures.h"
#include "render/OptotypeShapes.h"
#include "support/Pixels.h"
#include "support/ProgramRun.h"

namespace lenvari::testing {

struct GalleryTestFolder {
  std::string folder = FreshFolder("gallery");
  State state = MakeChartState(1920, 1080, 400);
  OptotypeShapes shapes = LoadOptotypeShapes();
  GalleryTestFolder() {
    state.DataPath = folder, state.monitors.CurrentMonitor = 1;
    SetChartExtent(state.monitors);
  }
  std::string Path(const std::string& name) const { return folder + "/" + name; }
};

}  // namespace lenvari::testing
