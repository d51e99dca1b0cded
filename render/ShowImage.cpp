#include "render/ShowImage.h"

#include <algorithm>
#include <cstdlib>

#include "platform/qtgui/Bitmap.h"
#include "platform/qtgui/Canvas.h"
#include "store/DataFolder.h"
#include "store/State.h"

namespace lenvari {
void ShowImage(const State& state, Canvas& canvas, const std::string& name, int x1, int y1, int x2,
               int y2) {
  const Bitmap bitmap = Bitmap::LoadBmp(ResolveDataFile(state.DataPath, name + ".bmp"));
  if (bitmap.Empty()) return;
  // The decoded size, not the header fields: a top-down file stores a negative height there.
  const double W = bitmap.Width(), H = bitmap.Height();
  const double bw = std::abs(x1 - x2), bh = std::abs(y1 - y2);
  if (bw == 0 || bh == 0) return;
  const int m = std::clamp(state.monitors.CurrentMonitor, 1, kMaxMonitors);
  const double mirror = state.settings.Mirror[m] == -1 ? -1 : 1;
  RectF target;
  if (H / W < bh / bw) {
    const double halfHeight = bw * H / W / 2;
    target = {x1 * mirror, -halfHeight, x2 * mirror, halfHeight};
  } else {
    const double halfWidth = bh * W / H * mirror / 2;
    target = {-halfWidth, static_cast<double>(y1), halfWidth, static_cast<double>(y2)};
  }
  canvas.StretchBitmap(bitmap, target);
}

}  // namespace lenvari
