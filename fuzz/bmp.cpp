#include <QImage>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "RoundTrip.h"
#include "platform/qtgui/Bitmap.h"

using namespace lenvari;

namespace {

// The colours of a picture as the 24-bit file holds them (no alpha).
QImage Colours(const Bitmap& bitmap) {
  return bitmap.Image().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

// A picture slot's file read, written as the program writes pictures and read again: the
// same size and colours, and the same bytes when written once more.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const Bitmap first = Bitmap::FromBmpBytes(bytes);
  if (first.Empty()) return 0;
  const std::string written = first.BmpBytes();
  if (written.empty()) return 0;  // too large for the format: nothing is written
  const Bitmap second = Bitmap::FromBmpBytes(written);
  if (second.Empty() || second.Width() != first.Width() || second.Height() != first.Height()) {
    std::fprintf(stderr, "a written %dx%d picture read back as %dx%d\n", first.Width(),
                 first.Height(), second.Width(), second.Height());
    std::abort();
  }
  if (Colours(first) != Colours(second)) {
    std::fprintf(stderr, "a written %dx%d picture read back with other colours\n", first.Width(),
                 first.Height());
    std::abort();
  }
  ExpectSameText(written, second.BmpBytes());
  return 0;
}
