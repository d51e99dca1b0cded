#pragma once
// A calibrated 1920 x 1080 chart state on a fresh data folder for the gallery tests, and the
// folder's files as pictures and bytes.

#include <QImage>

#include <filesystem>
#include <string>

#include "render/ChartTestFixtures.h"
#include "render/OptotypeShapes.h"
#include "support/DataFolderText.h"
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
  QString QPath(const std::string& name) const { return QString::fromStdString(Path(name)); }
  QImage Picture(const std::string& name) const {
    return QImage(QPath(name)).convertToFormat(QImage::Format_RGB32);
  }
  std::string Bytes(const std::string& name) const { return ReadText(Path(name)); }
};

}  // namespace lenvari::testing
