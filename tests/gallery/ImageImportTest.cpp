// Pictures copied into the image slots: same pixels as a 24-bit bitmap, the original and the
// slot untouched whenever the picture cannot be read, and the import's two steps.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <filesystem>
#include <fstream>

#include "gallery/GalleryCells.h"
#include "gallery/GalleryTestFolder.h"
#include "gallery/ImageImport.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

using namespace lenvari::testing;

QImage Pattern(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.setPixelColor(x, y, QColor(x * 7 % 256, y * 13 % 256, 90));
  return image;
}

TEST(ImageImport, ConvertedPicturesKeepTheirPixelsAndBadOnesChangeNothing) {
  GalleryTestFolder t;
  const QImage pattern = Pattern(123, 45);
  // Upper-case extensions are pictures too.
  const std::string png = t.Path("Photo.PNG"), gif = t.Path("drawing.Gif"),
                    slot = t.Path("lvimg5.bmp");
  ASSERT_TRUE(pattern.save(t.QPath("Photo.PNG"), "PNG"));
  ASSERT_TRUE(pattern.save(t.QPath("scan.tif"), "TIFF"));
  const std::string original = ReadText(png);

  EXPECT_EQ(SaveAsBmp(png, slot), kImageOk);
  EXPECT_EQ(ReadText(png), original);
  const std::string bytes = ReadText(slot);
  ASSERT_GT(bytes.size(), 54u);
  EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24);  // bits per pixel
  EXPECT_EQ(t.Picture("lvimg5.bmp"), pattern);
  EXPECT_EQ(SaveAsBmp(t.Path("scan.tif"), t.Path("lvimg6.bmp")), kImageOk);
  EXPECT_EQ(t.Picture("lvimg6.bmp").size(), QSize(123, 45));

  // A corrupt file, an unknown format and a missing file leave the slot byte for byte.
  std::ofstream(gif, std::ios::binary) << "GIF89a but nothing after it";
  std::ofstream(t.Path("notes.txt")) << "not a picture";
  EXPECT_EQ(Tie(SaveAsBmp(gif, slot), SaveAsBmp(t.Path("notes.txt"), slot), SaveAsBmp(t.Path("missing.png"), slot)),
            Tie(kImageUnknownFormat, kImageUnknownFormat, kImageFileNotFound));
  EXPECT_EQ(ReadText(slot), bytes);

  // Blank names do nothing; only bitmaps are written.
  EXPECT_EQ(Tie(SaveAsBmp("  ", slot), SaveAsBmp(png, " ")), Tie(kImageOk, kImageOk));
  std::string printed;
  EXPECT_EQ(ConvertImageFile(png, t.Path("x.jpg"), "image/jpeg",
                             [&](const std::string& line) { printed += line; }),
            kImageNoEncoder);
  EXPECT_EQ(Tie(printed, std::filesystem::exists(t.Path("x.jpg"))),
            Tie("Encoder not installed", false));
  // Nothing half-written is left beside the slots.
  for (const auto& entry : std::filesystem::directory_iterator(t.folder))
    EXPECT_EQ(entry.path().filename().string().find(".bmp."), std::string::npos) << entry.path();
}

// The boxes the import shows, "[title] text", and how often it rebuilt the gallery.
struct ImportRecord {
  std::vector<std::string> boxes;
  int rebuilds = 0;
};

ImportRecord Import(State& state, int slot, std::string file,
                    std::string slotAnswer = kGalleryChosen) {
  ImportRecord record;
  AddImagesHost host;
  host.messageBox = [&record](const std::string& text, const std::string& title) {
    record.boxes.push_back("[" + title + "] " + text);
  };
  host.selectImage = [file] { return file; };
  host.chooseSlot = [slotAnswer] { return slotAnswer; };
  host.rebuildImageGallery = [&record] { ++record.rebuilds; };
  state.chart.ImageNum = slot;
  EXPECT_EQ(AddImages(state, host), slotAnswer == kGalleryChosen);
  return record;
}

TEST(ImageImport, TheTwoStepsFillTheChosenSlotOrLeaveItAlone) {
  GalleryTestFolder t;
  const std::string png = t.Path("child.png");
  ASSERT_TRUE(Pattern(64, 48).save(t.QPath("child.png"), "PNG"));

  const ImportRecord done = Import(t.state, 5, png);
  ASSERT_EQ(done.boxes.size(), 1u);
  EXPECT_EQ(done.boxes[0].rfind("[Add Images] Adding images", 0), 0u);
  EXPECT_EQ(Tie(done.rebuilds, t.Picture("lvimg5.bmp").size()), Tie(1, QSize(64, 48)));

  // Esc in the slot choice: nothing written, nothing rebuilt.
  const ImportRecord escaped = Import(t.state, 6, png, kGalleryEscaped);
  EXPECT_EQ(Tie(std::filesystem::exists(t.Path("lvimg6.bmp")), escaped.rebuilds), Tie(false, 0));

  // A cancelled chooser leaves the slot; the gallery is rebuilt all the same.
  const std::string before = t.Bytes("lvimg5.bmp");
  const ImportRecord cancelled = Import(t.state, 5, "");
  EXPECT_EQ(Tie(t.Bytes("lvimg5.bmp"), cancelled.boxes.size(), cancelled.rebuilds),
            Tie(before, 1u, 1));

  // A picture that cannot be read says so under the import's title and keeps the slot.
  std::ofstream(t.Path("broken.jpg"), std::ios::binary) << "\xFF\xD8\xFF garbage";
  const ImportRecord broken = Import(t.state, 5, t.Path("broken.jpg"));
  ASSERT_EQ(broken.boxes.size(), 2u);
  EXPECT_EQ(broken.boxes[1].rfind("[Add Images] ", 0), 0u);
  EXPECT_NE(broken.boxes[1].find("\"broken.jpg\" could not be read ("), std::string::npos)
      << broken.boxes[1];
  EXPECT_EQ(t.Bytes("lvimg5.bmp"), before);

  // A slot that cannot be written is reported as such.
  std::filesystem::create_directory(t.Path("lvimg7.bmp"));
  const ImportRecord unwritable = Import(t.state, 7, png);
  ASSERT_EQ(unwritable.boxes.size(), 2u);
  EXPECT_NE(unwritable.boxes[1].find("could not be written as image 7"), std::string::npos)
      << unwritable.boxes[1];
}

// A 48-megapixel phone photo is read (beyond the image library's usual memory limit) and kept
// at most as large as the display, its proportions and its picture kept.
TEST(ImageImport, ALargePhotoIsReducedToTheDisplay) {
  GalleryTestFolder t;
  QImage photo(8064, 6048, QImage::Format_RGB32);
  photo.fill(Qt::blue);
  QPainter(&photo).fillRect(0, 0, 4032, 6048, Qt::red);
  ASSERT_TRUE(photo.save(t.QPath("phone.jpg"), "JPG", 50));
  photo = QImage();
  const ImportRecord imported = Import(t.state, 3, t.Path("phone.jpg"));
  EXPECT_EQ(imported.boxes.size(), 1u) << imported.boxes.back();
  const QImage slot = t.Picture("lvimg3.bmp");
  EXPECT_EQ(Tie(slot.size(), slot.pixelColor(360, 540).red() > 200 && slot.pixelColor(360, 540).blue() < 60,
                slot.pixelColor(1080, 540).blue() > 200 && slot.pixelColor(1080, 540).red() < 60),
            Tie(QSize(1440, 1080), true, true));
}

}  // namespace
}  // namespace lenvari
