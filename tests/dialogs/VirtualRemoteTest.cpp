#include <QAbstractButton>
#include <QApplication>
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>

#include "common/VirtualRemoteMailbox.h"
#include "dialogs/VirtualRemoteWindow.h"
#include "support/Pixels.h"
#include "tests/dialogs/DialogDriving.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

QWidget* RemoteWindow() {
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->isVisible() && window->windowTitle() == "Virtual Remote") return window;
  return nullptr;
}

QAbstractButton* Key(QWidget& window, const QString& label) {
  for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
    if (button->accessibleName() == label) return button;
  ADD_FAILURE() << "no key " << label.toStdString();
  return nullptr;
}

struct RemoteFixture : testing::Test {
  VirtualRemoteMailbox mailbox;
  QWidget* window = nullptr;

  void SetUp() override {
    OpenVirtualRemote(mailbox, {100, 50, 1000, 800});
    window = RemoteWindow();
    ASSERT_NE(window, nullptr);
  }
  void TearDown() override {
    if (QWidget* open = RemoteWindow()) open->close();
    QApplication::processEvents();
  }
  std::array<unsigned char, 5> Click(const QString& label) {
    QTest::mouseClick(Key(*window, label), Qt::LeftButton);
    const auto bytes = mailbox.Bytes();
    mailbox.Take();
    return bytes;
  }
};

}  // namespace

TEST_F(RemoteFixture, EveryKeyWritesItsCodeZeroFilledToFiveBytes) {
  // Each key's label and its five bytes in hex, in the window's order, word for word: their
  // checksum, the list printed when it differs.
  QString codes;
  for (QAbstractButton* key : window->findChildren<QAbstractButton*>()) {
    const auto bytes = Click(key->accessibleName());
    codes += key->accessibleName() + "=" +
             QByteArray(reinterpret_cast<const char*>(bytes.data()), bytes.size()).toHex() + "\n";
  }
  EXPECT_EQ(window->findChildren<QAbstractButton*>().size(), 45);
  EXPECT_EQ(qChecksum(codes.toUtf8()), 7061) << codes.toStdString();
}

TEST_F(RemoteFixture, DoubleClickOnImageGalleryWritesTabAndEnterPressesAKey) {
  // A double click as the window system delivers it: a click, then a press that is also a
  // double click, then the release.
  QAbstractButton* gallery = Key(*window, "Image Gallery");
  QTest::mouseClick(gallery, Qt::LeftButton);
  QTest::mouseDClick(gallery, Qt::LeftButton);
  QTest::mouseRelease(gallery, Qt::LeftButton);
  EXPECT_EQ(mailbox.Take(), "\t");
  QTest::mouseClick(gallery, Qt::LeftButton);
  EXPECT_EQ(mailbox.Take(), "i");
  // A double click elsewhere is two clicks.
  QTest::mouseClick(Key(*window, "Video"), Qt::LeftButton);
  QTest::mouseDClick(Key(*window, "Video"), Qt::LeftButton);
  QTest::mouseRelease(Key(*window, "Video"), Qt::LeftButton);
  EXPECT_EQ(mailbox.Take(), "v");
  QAbstractButton* pointer = Key(*window, "Pointer");
  pointer->setFocus();
  QTest::keyClick(pointer, Qt::Key_Return);
  EXPECT_EQ(mailbox.Take(), "u");
  EXPECT_TRUE(mailbox.Empty());
}

TEST_F(RemoteFixture, OneWindowCentredOnTheAreaWithKeysWhereThePictureHasThem) {
  EXPECT_EQ(window->size(), QSize(238, 656));
  EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
  // Centred on the area it was given, up to the window frame's own margins.
  const QPoint offCentre = window->frameGeometry().center() - QRect(100, 50, 1000, 800).center();
  EXPECT_LE(std::abs(offCentre.x()), 16);
  EXPECT_LE(std::abs(offCentre.y()), 16);
  EXPECT_EQ(Key(*window, "Pointer")->geometry(), QRect(179, 294, 38, 37));
  EXPECT_EQ(Key(*window, "M5")->geometry(), QRect(25, 548, 35, 18));
  EXPECT_EQ(Key(*window, "Size -")->geometry(), QRect(32, 127, 47, 38));

  // Closing it by hand is seen (opened twice it is one window: app/VirtualRemoteTest).
  EXPECT_TRUE(VirtualRemoteIsOpen());
  window->close();
  EXPECT_FALSE(VirtualRemoteIsOpen());

  // A monitor lower than the remote (1024 lines at 200 %): the remote is drawn smaller, keys
  // and all, and lies on the monitor with room for its frame; its keys still work.
  OpenVirtualRemote(mailbox, {1920, 0, 640, 512});
  ASSERT_NE(RemoteWindow(), nullptr);
  const double scale = (512.0 - 40) / 656;
  EXPECT_EQ(RemoteWindow()->size(), QSize(qRound(238 * scale), qRound(656 * scale)));
  EXPECT_TRUE(QRect(1920, 0, 640, 512).contains(RemoteWindow()->geometry()));
  EXPECT_LE(RemoteWindow()->height(), 512 - 40);  // with room for a caption
  EXPECT_EQ(Key(*RemoteWindow(), "Pointer")->geometry(),
            QRectF(179 * scale, 294 * scale, 38 * scale, 37 * scale).toRect());
  QTest::mouseClick(Key(*RemoteWindow(), "M5"), Qt::LeftButton);
  EXPECT_EQ(mailbox.Take(), "m5");
  const QImage small = RemoteWindow()->grab().toImage();
  EXPECT_GT(qGray(small.pixel(QPointF(198 * scale, 312 * scale).toPoint())), 150);  // Pointer
  EXPECT_LT(qGray(small.pixel(QPointF(68 * scale, 230 * scale).toPoint())), 70);   // body
  RemoteWindow()->close();
  // Lower still, the keys keep half their size and the caption stays on the monitor.
  OpenVirtualRemote(mailbox, {0, 0, 640, 300});
  ASSERT_NE(RemoteWindow(), nullptr);
  EXPECT_EQ(RemoteWindow()->size(), QSize(119, 328));
  EXPECT_EQ(RemoteWindow()->pos(), QPoint((640 - 119) / 2, 0));
}

TEST_F(RemoteFixture, ThePictureIsADarkBodyWithLightKeysAndLabels) {
  const QImage shot = window->grab().toImage();
  // Keys are light, the body between them dark.
  EXPECT_GT(qGray(shot.pixel(179 + 19, 294 + 18)), 150);  // Pointer
  EXPECT_GT(qGray(shot.pixel(54, 60)), 150);              // Image Gallery
  EXPECT_LT(qGray(shot.pixel(68, 230)), 70);              // between W4D and Tumb E/C
  // The labels above the keys and the name at the foot are printed light on the body.
  const auto lightPixels = [&](QRect area) { return GreyPixels(shot, area, 161, 255); };
  EXPECT_GT(lightPixels({24, 173, 38, 10}), 10);   // "W4D"
  EXPECT_GT(lightPixels({60, 620, 120, 18}), 60);  // "Lenvari Acuity"
  EXPECT_EQ(lightPixels({6, 160, 8, 300}), 0);    // the body's left margin
  // At 200 % the labels and keys of the key rows, light print on the dark body, grow with it.
  ExpectScalesCleanly(*window, "virtual-remote", QRect(10, 170, 218, 330), true);
}

TEST(RemoteArtwork, EveryImageIsAVectorOfItsKeysSize) {
  const std::pair<const char*, QSize> images[] = {
      {"remote", {239, 660}},       {"key-oval", {49, 20}},     {"key-memory", {35, 18}},
      {"key-round", {38, 37}},      {"key-up", {37, 37}},       {"key-left", {37, 37}},
      {"key-right", {37, 37}},      {"key-down", {37, 37}},     {"rocker-upper", {48, 37}},
      {"rocker-lower", {48, 37}},   {"rocker-whole", {48, 76}}};
  for (const auto& [name, size] : images) {
    QSvgRenderer renderer(QString(":/remote/%1.svg").arg(name));
    ASSERT_TRUE(renderer.isValid()) << name;
    EXPECT_EQ(renderer.defaultSize(), size) << name;
  }
  // At twice the size (a 200 % display) an edge stays sharp: across the round key's outline
  // at most two device pixels blend face and background.
  QImage twice(76, 74, QImage::Format_ARGB32_Premultiplied);
  twice.fill(Qt::transparent);
  QPainter painter(&twice);
  painter.setRenderHint(QPainter::Antialiasing);
  QSvgRenderer(QString(":/remote/key-round.svg")).render(&painter, QRectF(0, 0, 76, 74));
  painter.end();
  int blended = 0;
  for (int x = 0; x < 38; ++x) {
    const int alpha = qAlpha(twice.pixel(x, 37));
    blended += alpha > 20 && alpha < 235;
  }
  EXPECT_LE(blended, 2);
  EXPECT_EQ(Tie(qAlpha(twice.pixel(38, 37)), qAlpha(twice.pixel(0, 0))), Tie(255, 0));
}

}  // namespace lenvari
