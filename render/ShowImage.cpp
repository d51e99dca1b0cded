#include "render/ShowImage.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "store/DataFolder.h"
#include "store/State.h"

namespace lenvari {
namespace {

std::uint32_t LittleEndian32(const std::string& bytes, size_t offset) {
  std::uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i) {
    value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
  }
  return value;
}

// A picture slot may hold anything a crash or a copy left there. The decoder accepts a file cut
// short and paints whatever it invents for the missing rows, so an uncompressed bitmap must
// carry all its pixel rows before it is shown.
bool CompleteBitmapFile(const std::string& bytes) {
  if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return false;
  const std::uint32_t pixelOffset = LittleEndian32(bytes, 10);
  const auto width = static_cast<std::int32_t>(LittleEndian32(bytes, 18));
  const auto height = static_cast<std::int32_t>(LittleEndian32(bytes, 22));
  const std::uint32_t bitsPerPixel = LittleEndian32(bytes, 28) & 0xFFFF;
  const std::uint32_t compression = LittleEndian32(bytes, 30);
  if (width <= 0 || height == 0) return false;
  if (compression != 0) return true;  // compressed sizes are the decoder's to check
  const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bitsPerPixel + 31) / 32 * 4;
  const std::uint64_t rows = static_cast<std::uint64_t>(std::abs(static_cast<std::int64_t>(height)));
  return static_cast<std::uint64_t>(pixelOffset) + stride * rows <= bytes.size();
}

}  // namespace

void ShowImage(const State& state, Canvas& canvas, const std::string& name, int x1, int y1, int x2,
               int y2) {
  const std::string path = ResolveDataFile(state.DataPath, name + ".bmp");
  const std::optional<std::string> bytes = ReadWholeFile(path);
  if (!bytes || !CompleteBitmapFile(*bytes)) return;
  const Bitmap bitmap = Bitmap::LoadBmp(path);
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
