#include "app/examiner/GalleryHost.h"

#include "app/loop/ChartDisplay.h"
#include "app/loop/WaitForInput.h"

namespace lenvari {
namespace {

// The monitor window's own refresh during a visit. The window is refreshed with every presented
// frame already; this is the place for anything it shows between frames.
void RefreshMonitorWindowInGallery(ProgramContext&) {}

}  // namespace

GalleryVisitHost MakeGalleryVisitHost(ProgramContext& context) {
  GalleryVisitHost host;
  host.waitForInput = [&context] { return WaitForInput(context, MonitorClicks::OnThumbnail); };
  host.present = [&context] { PresentChart(context); };
  host.refreshMonitorWindow = [&context] { RefreshMonitorWindowInGallery(context); };
  host.prepareInput = [&context] {
    if (context.chartWindow) context.chartWindow->Activate();
  };
  return host;
}

}  // namespace lenvari
