#pragma once
// A picture held in memory: read from JPG, PNG, BMP, GIF or TIF files, written as BMP.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QImage;

namespace lenvari {

class Bitmap {
 public:
  Bitmap();
  ~Bitmap();
  Bitmap(const Bitmap&);
  Bitmap& operator=(const Bitmap&);

  // Reads the file; an unreadable, empty or truncated file leaves the bitmap empty.
  static Bitmap Load(const std::string& path);
  // Reads only a Windows bitmap file (the format the image slots are stored in); a file whose
  // pixel rows are cut short stays empty rather than showing invented rows.
  static Bitmap LoadBmp(const std::string& path);
  // The same from a file's bytes.
  static Bitmap FromBmpBytes(std::string_view bytes);
  static Bitmap FromImage(const QImage& image);
  // A grey picture of `width` x `height` pixels from its grey values, row by row, top first
  // (empty when the values are not that many).
  static Bitmap FromGreys(int width, int height, const std::vector<std::uint8_t>& greys);

  bool Empty() const;
  int Width() const;
  int Height() const;
  // The picture resampled to the pixel size given, each new pixel the average of the pixels it
  // covers (a halftone reduction: thin strokes stay visible in a small copy).
  Bitmap Resized(int width, int height) const;
  // Writes a 24-bit Windows bitmap, replacing the file whole or not at all; false when it
  // could not be written, with the reason in `reason`.
  bool SaveBmp(const std::string& path, std::string* reason = nullptr) const;
  // The bytes SaveBmp writes; empty for an empty bitmap or one too large for the format.
  std::string BmpBytes() const;

  const QImage& Image() const;

 private:
  std::shared_ptr<QImage> image_;
};

}  // namespace lenvari
