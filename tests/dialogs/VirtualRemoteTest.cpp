#include <QAbstractButton>
#include <QApplication>
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "common/VirtualRemoteMailbox.h"
#include "dialogs/VirtualRemoteWindow.h"
#include "support/Pixels.h"
#include "tests/dialogs/DialogDriving.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

// The remote's window; there is never a second one.
QWidget* RemoteWindow() {
  QWidget* found = nullptr;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (!window->isVisible() || window->windowTitle() != "Virtual Remote") continue;
    EXPECT_EQ(found, nullptr) << "a second remote window";
    found = window;
  }
  return found;
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
};

}  // namespace

TEST_F(RemoteFixture, EveryKeyWritesItsCodeZeroFilledToFiveBytes) {
  // Each key's label and its five bytes in hex, in the window's order, word for word: their
  // checksum, the list printed when it differs.
  QString codes;
  for (QAbstractButton* key : window->findChildren<QAbstractButton*>()) {
    QTest::mouseClick(key, Qt::LeftButton);
    const auto bytes = mailbox.Bytes();
    mailbox.Take();
    codes += key->accessibleName() + "=" +
             QByteArray(reinterpret_cast<const char*>(bytes.data()), bytes.size()).toHex() + "\n";
  }
  EXPECT_EQ(window->findChildren<QAbstractButton*>().size(), 45);
  EXPECT_EQ(qChecksum(codes.toUtf8()), 7061) << codes.toStdString();
}

TEST_F(RemoteFixture, DoubleClickOnImageGalleryWritesTabAndEnterPressesAKey) {
  // A double click as the window system delivers it: a click, then a press that is also a
  // double click, then the release.
  QAbstractButton* gallery = KeyNamed(*window, "Image Gallery");
  QTest::mouseClick(gallery, Qt::LeftButton);
  QTest::mouseDClick(gallery, Qt::LeftButton);
  QTest::mouseRelease(gallery, Qt::LeftButton);
  EXPECT_EQ(mailbox.Take(), "\t");
  QTest::mouseClick(gallery, Qt::LeftButton);
  EXPECT_EQ(mailbox.Take(), "i");
  // A double click elsewhere is two clicks.
  QTest::mouseClick(KeyNamed(*window, "Video"), Qt::LeftButton);
  QTest::mouseDClick(KeyNamed(*window, "Video"), Qt::LeftButton);
  QTest::mouseRelease(KeyNamed(*window, "Video"), Qt::LeftButton);
  EXPECT_EQ(mailbox.Take(), "v");
  QAbstractButton* pointer = KeyNamed(*window, "Pointer");
  pointer->setFocus();
  QTest::keyClick(pointer, Qt::Key_Return);
  EXPECT_EQ(mailbox.Take(), "u");
  // A second press before the first is read replaces it.
  QTest::mouseClick(KeyNamed(*window, "M5"), Qt::LeftButton);
  QTest::mouseClick(KeyNamed(*window, "HOTV"), Qt::LeftButton);
  EXPECT_EQ(mailbox.Take(), "h");
  EXPECT_TRUE(mailbox.Empty());
}

TEST_F(RemoteFixture, OneWindowCentredOnTheAreaWithKeysWhereThePictureHasThem) {
  EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
  // Centred on the area it was given, up to the window frame's own margins.
  const QPoint offCentre = window->frameGeometry().center() - QRect(100, 50, 1000, 800).center();
  EXPECT_LE(std::abs(offCentre.x()), 16);
  EXPECT_LE(std::abs(offCentre.y()), 16);
  EXPECT_EQ(KeyNamed(*window, "M5")->geometry(), QRect(25, 548, 35, 18));
  EXPECT_EQ(KeyNamed(*window, "Size -")->geometry(), QRect(32, 127, 47, 38));

  // Opening it again brings the same window forward; closing it by hand is seen.
  OpenVirtualRemote(mailbox, {});
  EXPECT_EQ(RemoteWindow(), window);
  EXPECT_TRUE(VirtualRemoteIsOpen());
  window->close();
  EXPECT_FALSE(VirtualRemoteIsOpen());

  // On a monitor lower than the remote (1024 lines at 200 %) the remote is drawn smaller, keys
  // and all, and lies on the monitor with room for a caption; its keys still work.
  for (const auto& [area, scale] : {std::pair{QRect(100, 50, 1000, 800), 1.0},
                                    {QRect(1920, 0, 640, 512), (512.0 - 40) / 656}}) {
    OpenVirtualRemote(mailbox, {area.x(), area.y(), area.width(), area.height()});
    QWidget* remote = RemoteWindow();
    ASSERT_NE(remote, nullptr);
    EXPECT_EQ(remote->size(), QSize(qRound(238 * scale), qRound(656 * scale)));
    EXPECT_TRUE(area.contains(remote->geometry()));
    EXPECT_EQ(KeyNamed(*remote, "Pointer")->geometry(),
              QRectF(179 * scale, 294 * scale, 38 * scale, 37 * scale).toRect());
    QTest::mouseClick(KeyNamed(*remote, "M5"), Qt::LeftButton);
    EXPECT_EQ(mailbox.Take(), "m5");
    const QImage shot = remote->grab().toImage();
    EXPECT_GT(qGray(shot.pixel(QPointF(198 * scale, 312 * scale).toPoint())), 150);  // Pointer
    EXPECT_LT(qGray(shot.pixel(QPointF(68 * scale, 230 * scale).toPoint())), 70);   // body
    remote->close();
  }
  // Lower still, the keys keep half their size and the caption stays on the monitor.
  OpenVirtualRemote(mailbox, {0, 0, 640, 300});
  ASSERT_NE(RemoteWindow(), nullptr);
  EXPECT_EQ(RemoteWindow()->size(), QSize(119, 328));
  EXPECT_EQ(RemoteWindow()->pos(), QPoint((640 - 119) / 2, 0));
}

TEST_F(RemoteFixture, ThePictureIsADarkBodyWithLightKeysAndLabels) {
  const QImage shot = window->grab().toImage();
  // Keys are light, the body between them dark (the Pointer key and the body beside it: the
  // window test).
  EXPECT_GT(qGray(shot.pixel(54, 60)), 150);  // Image Gallery
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
  const auto blended = [](QRgb p) { return qAlpha(p) > 20 && qAlpha(p) < 235; };
  EXPECT_LE(CountWhere(twice, QRect(0, 37, 38, 1), blended), 2);
  EXPECT_EQ(Tie(qAlpha(twice.pixel(38, 37)), qAlpha(twice.pixel(0, 0))), Tie(255, 0));
}

}  // namespace lenvari
