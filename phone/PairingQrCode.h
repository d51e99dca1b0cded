#pragma once
// The QR code of the pairing address, for the phone's camera.

#include <QImage>

#include <string>
#include <vector>

namespace lenvari {

// The modules of the code, row by row (true: dark), `size` x `size`; empty when the text does
// not fit a code.
struct QrModules {
  int size = 0;
  std::vector<bool> dark;
  bool Dark(int x, int y) const { return dark[static_cast<size_t>(y * size + x)]; }
};

QrModules QrModulesOf(const std::string& text);

// Black modules on white, `pixelsPerModule` square each, with the four-module quiet zone a
// reader needs around the code.
QImage QrImage(const QrModules& modules, int pixelsPerModule);

}  // namespace lenvari
