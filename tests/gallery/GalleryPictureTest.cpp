// The gallery pictures (built from the presets and the image slots, one cell changed by a store,
// kept in memory while their files are unchanged, rebuilt when the files are not fit) and the
// pictures copied into the image slots: same pixels as a 24-bit bitmap, the original and the
// slot untouched whenever the picture cannot be read, and the import's two steps.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QtEndian>

#include <filesystem>
#include <fstream>

#include "gallery/GalleryBuild.h"
#include "gallery/GalleryCells.h"
#include "gallery/GalleryFiles.h"
#include "gallery/GalleryPictures.h"
#include "gallery/GalleryTestFolder.h"
#include "gallery/ImageImport.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

using namespace lenvari::testing;

const QColor kGrey(128, 128, 128), kYellow(255, 255, 0), kRed(255, 0, 0), kBlackPixel(0, 0, 0);

int Le32(const std::string& bytes, size_t offset) {
  return qFromLittleEndian<qint32>(bytes.data() + offset);
}

TEST(GalleryPicture, PresetGalleryIsADisplaySizeBitmapOfFramedNumberedThumbnails) {
  GalleryTestFolder t;
  const ChartState before = t.state.chart;
  const QImage picture =
      BuildPresetGallery(t.state, t.shapes).Image().convertToFormat(QImage::Format_RGB32);

  // The file: a plain 24-bit bitmap of the display's size under the monitor's name.
  const std::string bytes = t.Bytes("1lvgallery.bmp");
  ASSERT_GT(bytes.size(), 54u);
  EXPECT_EQ(Tie(bytes.substr(0, 2), Le32(bytes, 18), Le32(bytes, 22), Le32(bytes, 28) & 0xFFFF),
            Tie("BM", 1920, 1080, 24));
  EXPECT_EQ(t.Picture("1lvgallery.bmp"), picture);

  // The presets were recalled into a copy: the examiner's chart is as it was.
  EXPECT_EQ(Tie(t.state.chart.CurrentMemory, t.state.chart.Mode, t.state.chart.SizeNow),
            Tie(before.CurrentMemory, before.Mode, before.SizeNow));

  // Grey frames 8 pixels wide (1920 / 250) on the cell edges, a number in every cell, and a
  // chart in every thumbnail (preset 1 is a letter chart: dark strokes in its cell).
  EXPECT_EQ(RunAlongRow(picture, 30, 300, 340, kGrey), 8);
  EXPECT_EQ(RunAlongRow(picture, 1000, 1580, 1620, kGrey), 8);
  for (int n = 1; n <= 36; ++n) {
    const QImage cell = CellOf(picture, n);
    const QImage corner = cell.copy(cell.width() - 60, cell.height() - 40, 60, 40);
    EXPECT_GT(CountColour(corner, kYellow, 40), 20) << "label of cell " << n;
  }
  EXPECT_GT(CountColour(CellOf(picture, 1).copy(20, 20, 280, 120), kBlackPixel, 60), 50);
}

TEST(GalleryPicture, ImageGalleryShowsEachSlotAsImageModeDoesAndEmptySlotsBlack) {
  GalleryTestFolder t;
  QImage red(300, 100, QImage::Format_RGB32);
  red.fill(Qt::red);
  // Written under another letter case, as a copied folder may have it.
  ASSERT_TRUE(red.save(t.QPath("LVimg3.bmp"), "BMP"));
  const QImage picture = BuildImageGallery(t.state, t.shapes).Image();
  EXPECT_TRUE(std::filesystem::exists(t.Path("1imagegallery.bmp")));
  const QImage slot3 = CellOf(picture, 3), slot4 = CellOf(picture, 4);
  const int middleX = slot3.width() / 2, middleY = slot3.height() / 2;
  // The 3:1 picture fills the width of the 16:9 cell and is centred: black above and below.
  EXPECT_EQ(Tie(slot3.pixelColor(middleX, middleY), slot4.pixelColor(middleX, middleY),
                slot3.pixelColor(middleX, 20), slot3.pixelColor(middleX, 45),
                slot3.pixelColor(40, middleY)),
            Tie(kRed, kBlackPixel, kBlackPixel, kRed, kRed));
}

TEST(GalleryPicture, AStoredPresetChangesOnlyItsOwnCellAndLeavesItsSnapshot) {
  GalleryTestFolder t;
  const Bitmap gallery = BuildPresetGallery(t.state, t.shapes);
  Canvas chart(1920, 1080);
  SetChartScale(chart, t.state.monitors);
  t.state.chart.Mode = ChartMode::WorthDot;
  DrawChart(t.state, t.shapes, chart);
  t.state.chart.CurrentMemory = 8;
  const QImage before = gallery.Image().convertToFormat(QImage::Format_RGB32);
  const QImage after =
      UpdatePresetThumbnail(t.state, chart, gallery).Image().convertToFormat(QImage::Format_RGB32);
  for (int n = 1; n <= 36; ++n)
    EXPECT_EQ(CellOf(before, n) == CellOf(after, n), n != 8) << "cell " << n;
  EXPECT_EQ(t.Picture("1lvgallery.bmp"), after);
  EXPECT_EQ(t.Picture("1lvbmap8.bmp"), chart.Image().convertToFormat(QImage::Format_RGB32));

  // A snapshot that cannot be written leaves an empty cell, not the preset stored before.
  std::filesystem::create_directory(t.Path("1lvbmap9.bmp"));
  t.state.chart.CurrentMemory = 9;
  const QImage cell9 =
      CellOf(UpdatePresetThumbnail(t.state, chart, Bitmap::FromImage(after)).Image(), 9);
  const QImage inside = cell9.copy(12, 12, cell9.width() - 80, cell9.height() - 50);
  EXPECT_EQ(CountColour(inside, QColor(255, 255, 255), 0), inside.width() * inside.height());
}

TEST(GalleryPicture, KeptInMemoryWhileTheFileIsUnchangedAndRebuiltWhenItIsNotFit) {
  GalleryTestFolder t;
  GalleryPictures pictures;
  const std::string path = t.Path("1lvgallery.bmp");
  // No file yet: built on the spot.
  EXPECT_EQ(PresetGalleryPicture(pictures, t.state, t.shapes).Width(), 1920);
  const auto written = std::filesystem::last_write_time(path);
  EXPECT_EQ(PresetGalleryPicture(pictures, t.state, t.shapes).Height(), 1080);
  EXPECT_EQ(std::filesystem::last_write_time(path), written);

  // A file of another display's size (calibrated elsewhere) is rebuilt at this one's.
  QImage small(800, 600, QImage::Format_RGB32);
  small.fill(Qt::green);
  ASSERT_TRUE(small.save(t.QPath("1lvgallery.bmp"), "BMP"));
  EXPECT_EQ(PresetGalleryPicture(pictures, t.state, t.shapes).Width(), 1920);
  EXPECT_EQ(t.Picture("1lvgallery.bmp").size(), QSize(1920, 1080));

  // A damaged file is rebuilt too; a good file written by someone else is read as it is.
  std::ofstream(path, std::ios::binary | std::ios::trunc) << "BM not really";
  EXPECT_EQ(PresetGalleryPicture(pictures, t.state, t.shapes).Height(), 1080);
  QImage other(1920, 1080, QImage::Format_RGB32);
  other.fill(Qt::blue);
  std::filesystem::remove(path);
  ASSERT_TRUE(other.save(t.QPath("1LVGallery.bmp"), "BMP"));
  EXPECT_EQ(PresetGalleryPicture(pictures, t.state, t.shapes).Image().pixelColor(5, 5),
            QColor(Qt::blue));

  // A cell not drawn from the preset it stands for (a crash came between the preset file and
  // the picture) is drawn again before it is shown, and the index saved after it; the other
  // cells stay as they are.
  t.state.presets.PresetTable[2][1] = "JacksonCross";
  const QImage repaired = PresetGalleryPicture(pictures, t.state, t.shapes).Image();
  EXPECT_EQ(repaired.pixelColor(5, 5), QColor(Qt::blue));
  EXPECT_NE(repaired.pixelColor(480, 90), QColor(Qt::blue));
  const auto repairedAt = std::filesystem::last_write_time(t.Path("1LVGallery.bmp"));
  GalleryPictures again;
  EXPECT_EQ(PresetGalleryPicture(again, t.state, t.shapes).Image().pixelColor(480, 90),
            repaired.pixelColor(480, 90));
  EXPECT_EQ(std::filesystem::last_write_time(t.Path("1LVGallery.bmp")), repairedAt);

  // The image gallery is checked the same way.
  EXPECT_EQ(ImageGalleryPicture(pictures, t.state, t.shapes).Width(), 1920);
  EXPECT_TRUE(std::filesystem::exists(t.Path("1imagegallery.bmp")));
}

QImage Pattern(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.setPixelColor(x, y, QColor(x * 7 % 256, y * 13 % 256, 90));
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
  EXPECT_EQ(Tie(SaveAsBmp(gif, slot), SaveAsBmp(t.Path("notes.txt"), slot),
                SaveAsBmp(t.Path("missing.png"), slot)),
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
  EXPECT_EQ(done.boxes[0].rfind(
                "[Add Images] Adding images to your image gallery is a two step process.", 0),
            0u);
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
  EXPECT_EQ(Tie(slot.size(),
                slot.pixelColor(360, 540).red() > 200 && slot.pixelColor(360, 540).blue() < 60,
                slot.pixelColor(1080, 540).blue() > 200 && slot.pixelColor(1080, 540).red() < 60),
            Tie(QSize(1440, 1080), true, true));
}

}  // namespace
}  // namespace lenvari
