#include "platform/Bitmap.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSaveFile>

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

}  // namespace

Bitmap::Bitmap() = default;
Bitmap::~Bitmap() = default;
Bitmap::Bitmap(const Bitmap&) = default;
Bitmap& Bitmap::operator=(const Bitmap&) = default;

Bitmap Bitmap::Load(const std::string& path) { return FromImage(ReadImage(path, nullptr)); }

Bitmap Bitmap::LoadBmp(const std::string& path) { return FromImage(ReadImage(path, "bmp")); }

Bitmap Bitmap::FromImage(const QImage& image) {
  Bitmap bitmap;
  if (!image.isNull()) bitmap.image_ = std::make_shared<QImage>(image);
  return bitmap;
}

bool Bitmap::Empty() const { return !image_ || image_->isNull(); }
int Bitmap::Width() const { return Empty() ? 0 : image_->width(); }
int Bitmap::Height() const { return Empty() ? 0 : image_->height(); }

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
