#include "platform/qtgui/Bitmap.h"

#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/FileAccess.h"

namespace lenvari {
namespace {

constexpr qsizetype kBmpHeaderBytes = 54;

QImage ReadImage(const std::string& path, const char* format) {
  QImageReader reader(QString::fromStdString(path), format);
  reader.setDecideFormatFromContent(format == nullptr);
  reader.setAutoTransform(true);
  QImage image;
  if (!reader.read(&image)) return QImage();
  return image;
}

std::uint32_t LittleEndian32(const QByteArray& bytes, qsizetype offset) {
  std::uint32_t value = 0;
  for (qsizetype i = 0; i < 4; ++i)
    value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
  return value;
}

// A picture slot may hold anything a crash or a copy left there. The decoder accepts a file cut
// short and paints whatever it invents for the missing rows, so an uncompressed bitmap must
// carry all its pixel rows before it is shown.
bool CompleteBitmapFile(const QByteArray& bytes) {
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
  return static_cast<std::uint64_t>(pixelOffset) + stride * rows <=
         static_cast<std::uint64_t>(bytes.size());
}

// Bottom-up rows of blue, green, red, each padded to four bytes, after the 14-byte file
// header and the 40-byte information header: the layout every viewer reads. Built in one
// block, as a display-size picture is written on every store. Empty when there is no picture
// or it is too large for the format.
QByteArray BmpFileBytes(const QImage& image) {
  if (image.isNull()) return {};
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  const qsizetype width = rgb.width(), height = rgb.height();
  const qsizetype stride = (width * 3 + 3) / 4 * 4;
  const qsizetype pixelBytes = stride * height;
  if (pixelBytes + kBmpHeaderBytes > 0x7FFFFFFF) return {};
  QByteArray bytes(kBmpHeaderBytes + pixelBytes, '\0');
  char* out = bytes.data();
  const auto put16 = [&out](qsizetype at, std::uint32_t value) {
    out[at] = static_cast<char>(value & 0xFF);
    out[at + 1] = static_cast<char>((value >> 8) & 0xFF);
  };
  const auto put32 = [&put16](qsizetype at, std::uint32_t value) {
    put16(at, value & 0xFFFF);
    put16(at + 2, value >> 16);
  };
  out[0] = 'B';
  out[1] = 'M';
  put32(2, static_cast<std::uint32_t>(bytes.size()));
  put32(10, kBmpHeaderBytes);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(width));
  put32(22, static_cast<std::uint32_t>(height));
  put16(26, 1);
  put16(28, 24);
  put32(34, static_cast<std::uint32_t>(pixelBytes));
  // A picture read with no resolution or a negative one is given 96 dots an inch: a 0 written
  // would be read back as whatever the reading machine's screen has.
  constexpr int kUsualDotsPerMeter = 3780;
  const auto resolution = [](int dotsPerMeter) {
    return static_cast<std::uint32_t>(dotsPerMeter > 0 ? dotsPerMeter : kUsualDotsPerMeter);
  };
  put32(38, resolution(rgb.dotsPerMeterX()));
  put32(42, resolution(rgb.dotsPerMeterY()));
  for (qsizetype y = 0; y < height; ++y) {
    const auto* source = reinterpret_cast<const QRgb*>(rgb.constScanLine(static_cast<int>(height - 1 - y)));
    auto* row = reinterpret_cast<unsigned char*>(out + kBmpHeaderBytes + y * stride);
    for (qsizetype x = 0; x < width; ++x) {
      const QRgb p = source[x];
      row[3 * x] = static_cast<unsigned char>(qBlue(p));
      row[3 * x + 1] = static_cast<unsigned char>(qGreen(p));
      row[3 * x + 2] = static_cast<unsigned char>(qRed(p));
    }
  }
  return bytes;
}

}  // namespace

Bitmap::Bitmap() = default;
Bitmap::~Bitmap() = default;
Bitmap::Bitmap(const Bitmap&) = default;
Bitmap& Bitmap::operator=(const Bitmap&) = default;

Bitmap Bitmap::Load(const std::string& path) { return FromImage(ReadImage(path, nullptr)); }

Bitmap Bitmap::LoadBmp(const std::string& path) {
  const FileRead read = ReadDataFile(path);
  if (!read.Read()) return {};
  return FromBmpBytes(read.bytes);
}

Bitmap Bitmap::FromBmpBytes(std::string_view view) {
  const auto size = static_cast<qsizetype>(view.size());
  const QByteArray bytes = QByteArray::fromRawData(view.data(), size);
  if (!CompleteBitmapFile(bytes)) return {};
  return FromImage(QImage::fromData(bytes, "BMP"));
}

Bitmap Bitmap::FromImage(const QImage& image) {
  Bitmap bitmap;
  if (!image.isNull()) bitmap.image_ = std::make_shared<QImage>(image);
  return bitmap;
}

Bitmap Bitmap::FromGreys(int width, int height, const std::vector<std::uint8_t>& greys) {
  if (width < 1 || height < 1 || greys.size() != static_cast<size_t>(width) * static_cast<size_t>(height))
    return {};
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    const std::uint8_t* grey = greys.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
    for (int x = 0; x < width; ++x) row[x] = qRgb(grey[x], grey[x], grey[x]);
  }
  return FromImage(image);
}

bool Bitmap::Empty() const { return !image_ || image_->isNull(); }
int Bitmap::Width() const { return Empty() ? 0 : image_->width(); }
int Bitmap::Height() const { return Empty() ? 0 : image_->height(); }

Bitmap Bitmap::Resized(int width, int height) const {
  if (Empty() || width < 1 || height < 1) return {};
  if (width == image_->width() && height == image_->height()) return *this;
  return FromImage(image_->scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

std::string Bitmap::BmpBytes() const {
  const QByteArray bytes = BmpFileBytes(Image());
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

bool Bitmap::SaveBmp(const std::string& path, std::string* reason) const {
  const QByteArray bytes = BmpFileBytes(Image());
  if (bytes.isEmpty()) {
    if (reason) *reason = "the picture is empty or too large for a bitmap file";
    return false;
  }
  // Saved the way every data file is: whole or not at all, flushed with its folder, never
  // through a link.
  return WriteFileAtomically(path, std::string(bytes.constData(), static_cast<size_t>(bytes.size())),
                             reason);
}

const QImage& Bitmap::Image() const {
  static const QImage empty;
  return Empty() ? empty : *image_;
}

}  // namespace lenvari
