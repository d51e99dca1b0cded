#include "platform/qtgui/PictureDecoding.h"

#include <QImage>
#include <QImageIOHandler>
#include <QImageReader>

#include <algorithm>
#include <cmath>

namespace lenvari {
namespace {

// Enough for a full-size decode of any picture a camera or phone makes today (a 200-megapixel
// photo at 4 bytes a pixel), for the formats that cannot decode reduced.
constexpr int kPictureAllocationLimitMb = 1024;

// Restores the image library's limit, which is one for the whole program.
struct AllocationLimit {
  int before = QImageReader::allocationLimit();
  explicit AllocationLimit(int mb) { QImageReader::setAllocationLimit(std::max(before, mb)); }
  ~AllocationLimit() { QImageReader::setAllocationLimit(before); }
};

bool QuarterTurn(QImageIOHandler::Transformations transformation) {
  return (transformation & QImageIOHandler::TransformationRotate90) != 0;
}

}  // namespace

Bitmap DecodePictureFitted(const std::string& path, int maxWidth, int maxHeight,
                           std::string* reason) {
  QImageReader reader(QString::fromStdString(path));
  reader.setDecideFormatFromContent(true);
  reader.setAutoTransform(true);
  QSize stored = reader.size();
  if (stored.isValid() && maxWidth > 0 && maxHeight > 0) {
    // The reduction applies to the stored picture, before it is turned upright.
    const QSize box = QuarterTurn(reader.transformation()) ? QSize(maxHeight, maxWidth)
                                                            : QSize(maxWidth, maxHeight);
    if (stored.width() > box.width() || stored.height() > box.height()) {
      const double factor = std::min(static_cast<double>(box.width()) / stored.width(),
                                     static_cast<double>(box.height()) / stored.height());
      reader.setScaledSize(QSize(std::max(1, static_cast<int>(std::lround(stored.width() * factor))),
                                 std::max(1, static_cast<int>(std::lround(stored.height() * factor)))));
    }
  }
  const AllocationLimit limit(kPictureAllocationLimitMb);
  QImage image;
  if (!reader.read(&image) || image.isNull()) {
    if (reason) *reason = reader.errorString().toStdString();
    return Bitmap();
  }
  return Bitmap::FromImage(image);
}

}  // namespace lenvari
