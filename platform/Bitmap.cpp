#include "platform/Bitmap.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSaveFile>

#include <cstdint>
#include <cstdlib>

namespace lenvari {
namespace {

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

}  // namespace

Bitmap::Bitmap() = default;
Bitmap::~Bitmap() = default;
Bitmap::Bitmap(const Bitmap&) = default;
Bitmap& Bitmap::operator=(const Bitmap&) = default;

Bitmap Bitmap::Load(const std::string& path) { return FromImage(ReadImage(path, nullptr)); }

Bitmap Bitmap::LoadBmp(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  if (!CompleteBitmapFile(bytes)) return {};
  return FromImage(QImage::fromData(bytes, "BMP"));
}

Bitmap Bitmap::FromImage(const QImage& image) {
  Bitmap bitmap;
  if (!image.isNull()) bitmap.image_ = std::make_shared<QImage>(image);
  return bitmap;
}

bool Bitmap::Empty() const { return !image_ || image_->isNull(); }
int Bitmap::Width() const { return Empty() ? 0 : image_->width(); }
int Bitmap::Height() const { return Empty() ? 0 : image_->height(); }

Bitmap Bitmap::Resized(int width, int height) const {
  if (Empty() || width < 1 || height < 1) return {};
  if (width == image_->width() && height == image_->height()) return *this;
  return FromImage(image_->scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

bool Bitmap::SaveBmp(const std::string& path) const {
  if (Empty()) return false;
  // Written under a temporary name and renamed over the old file when complete.
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) return false;
  const QImage rgb = image_->convertToFormat(QImage::Format_RGB888);
  if (!rgb.save(&file, "BMP")) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

const QImage& Bitmap::Image() const {
  static const QImage empty;
  return Empty() ? empty : *image_;
}

}  // namespace lenvari
