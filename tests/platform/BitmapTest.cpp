#include <gtest/gtest.h>

#include <QImage>

#include <cstdint>
#include <string>

#include "platform/qtgui/Bitmap.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

std::uint32_t Word(const std::string& bytes, size_t at) {
  std::uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i)
    value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  return value;
}

// A picture slot's bytes: 24-bit bottom-up rows padded to four bytes, read back unchanged; a
// file cut inside its rows is refused; a picture with a negative resolution (found by
// fuzzing: written as 0, then read back as the reading screen's) is written at 96 dpi.
TEST(Bitmap, WrittenPicturesReadBackAndResolutionIsAlwaysWritten) {
  QImage image(3, 2, QImage::Format_RGB32);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) image.setPixel(x, y, qRgb(80 * x, 200 * y, 7));
  image.setDotsPerMeterX(-5);
  image.setDotsPerMeterY(2835);
  const std::string bytes = Bitmap::FromImage(image).BmpBytes();
  ASSERT_EQ(bytes.size(), 54u + 2 * 12);  // 3 pixels of 3 bytes padded to 12
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  EXPECT_EQ(Word(bytes, 22), 2u);  // positive height: the bottom row comes first
  const auto at = [&bytes](size_t i) { return static_cast<unsigned char>(bytes[i]); };
  // Pixel (1, 1) first, blue green red, then (1, 0) a row of 12 bytes later.
  EXPECT_EQ(Tie(at(54 + 3), at(54 + 3 + 1), at(54 + 3 + 2), at(66 + 3 + 1), Word(bytes, 38), Word(bytes, 42)),
            Tie(7, 200, 80, 0, 3780u, 2835u));

  const Bitmap read = Bitmap::FromBmpBytes(bytes);
  ASSERT_FALSE(read.Empty());
  EXPECT_EQ(Tie(read.Image().convertToFormat(QImage::Format_RGB32), read.BmpBytes()), Tie(image, bytes));
  EXPECT_TRUE(Bitmap::FromBmpBytes(std::string_view(bytes).substr(0, bytes.size() - 1)).Empty());
}

}  // namespace
}  // namespace lenvari
