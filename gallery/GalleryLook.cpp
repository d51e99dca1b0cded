#include "gallery/GalleryLook.h"

#include <filesystem>
#include <system_error>
#include <tuple>

#include "gallery/GalleryFiles.h"
#include "store/State.h"

namespace lenvari {
namespace {

// Everything of one monitor's settings that the chart drawing reads.
auto MonitorLook(const State& state, int m) {
  const Settings& s = state.settings;
  const Monitors& d = state.monitors;
  return std::tie(s.TestDistance[m], s.LabelSize[m], s.LabelColor[m], s.Mirror[m],
                  s.MaxVShutter[m], s.JacksonCrossTargetSize[m], s.WorthDotSize[m],
                  s.WorthDotMode[m], s.AccessibleContrast[m], s.StatusBar[m],
                  s.FixDispFusionLock[m], s.ShowTestDistance[m], d.MasterScaleX[m],
                  d.MasterScaleY[m], d.ScreenWidth[m], d.ScreenHeight[m]);
}

auto GlobalLook(const State& state) {
  const Settings& s = state.settings;
  return std::tie(s.AstigMode, s.AcuityBase, s.RedGreenOrRedBlue, s.MyRed, s.MyGreen, s.MyBlue,
                  s.MyBlack, s.SmoothingFlag, state.display);
}

}  // namespace

bool GalleryLookChanged(const State& before, const State& after, int m) {
  if (m < 1 || m > kMaxMonitors) return false;
  return MonitorLook(before, m) != MonitorLook(after, m) ||
         GlobalLook(before) != GlobalLook(after);
}

void ForgetGalleryPictures(GalleryPictures& pictures, const std::string& dataPath, int m) {
  for (GalleryPicture* picture : {&pictures.preset, &pictures.image}) {
    const std::string path =
        picture == &pictures.preset ? PresetGalleryPath(dataPath, m) : ImageGalleryPath(dataPath, m);
    std::error_code error;
    std::filesystem::remove(path, error);
    if (picture->path == path) *picture = GalleryPicture{};
  }
}

}  // namespace lenvari
