#include "phone/PairingQrCode.h"

#include <qrencode.h>


namespace lenvari {
namespace {

constexpr int kQuietZoneModules = 4;

}  // namespace

QrModules QrModulesOf(const std::string& text) {
  QrModules modules;
  // Medium error correction survives a glare on the examiner's screen; version 0 lets the
  // library choose the smallest size that holds the text.
  QRcode* code = QRcode_encodeString(text.c_str(), 0, QR_ECLEVEL_M, QR_MODE_8, 1);
  if (!code) return modules;
  modules.size = code->width;
  modules.dark.resize(static_cast<size_t>(code->width * code->width));
  for (size_t i = 0; i < modules.dark.size(); ++i) modules.dark[i] = (code->data[i] & 1) != 0;
  QRcode_free(code);
  return modules;
}

QImage QrImage(const QrModules& modules, int pixelsPerModule) {
  const int side = (modules.size + 2 * kQuietZoneModules) * pixelsPerModule;
  QImage image(side, side, QImage::Format_RGB32);
  image.fill(Qt::white);
  for (int y = 0; y < modules.size; ++y) {
    for (int x = 0; x < modules.size; ++x) {
      if (!modules.Dark(x, y)) continue;
      const int left = (x + kQuietZoneModules) * pixelsPerModule;
      const int top = (y + kQuietZoneModules) * pixelsPerModule;
      for (int py = top; py < top + pixelsPerModule; ++py)
        for (int px = left; px < left + pixelsPerModule; ++px) image.setPixel(px, py, 0xFF000000);
    }
  }
  return image;
}

}  // namespace lenvari
