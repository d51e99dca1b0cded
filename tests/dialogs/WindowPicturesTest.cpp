// The three remote-related windows drawn at 100 % and 200 % display scaling, measured so that a
// doubled display doubles every stroke and letter instead of drawing the small picture into a
// corner or blurring it. (tools/screenshots.sh writes such pictures for a person to look at.)

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

#include "common/VirtualRemoteMailbox.h"
#include "dialogs/LenvariDLL.h"
#include "dialogs/VirtualRemoteWindow.h"
#include "support/Pixels.h"
#include "tests/dialogs/DialogDriving.h"

namespace lenvari {
namespace {

QImage Render(QWidget& window, int ratio) {
  QImage image(window.size() * ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  window.render(&image);
  return image;
}

// The dark ink of `area` (in window pixels) grows about four times at twice the scale (text
// hinting keeps it from being exact). `lightPrint`: light print on a dark body counts as ink,
// and its edges are not held sharp (the remote's keys blend by design).
void ExpectScalesCleanly(QWidget& window, const std::string& name, QRect area,
                         bool lightPrint = false) {
  QImage once = Render(window, 1);
  QImage twice = Render(window, 2);
  if (lightPrint) {
    once.invertPixels();
    twice.invertPixels();
  }
  const QRect large(area.topLeft() * 2, area.size() * 2);
  const double dark = GreyPixels(once, area, 0, 127);
  ASSERT_GT(dark, 100) << name;
  EXPECT_NEAR(GreyPixels(twice, large, 0, 127) / dark, 4.0, 0.8) << name;
  // Edges stay sharp: the blended border pixels (neither near black nor near white) grow with
  // the outline's length (twice), not with the area (four times) as an enlarged bitmap's would.
  const double blended = GreyPixels(once, area, 41, 214);
  if (!lightPrint) EXPECT_LT(GreyPixels(twice, large, 41, 214) / blended, 3.0) << name;
}

}  // namespace

TEST(WindowPictures, QuickKeysRemoteHelpAndVirtualRemoteAtOneAndTwoTimesScale) {
  WhenModal([](QDialog& list) {
    ExpectScalesCleanly(list, "quick-keys", list.rect());
    WhenModal([](QDialog& help) {
      ExpectScalesCleanly(help, "remote-help-lines", QRect(264, 40, 395, 520));
      help.close();
    });
    list.findChild<QAbstractButton*>("1002")->click();
    list.accept();
  });
  SHOWQUICKKEYS(0);

  VirtualRemoteMailbox mailbox;
  OpenVirtualRemote(mailbox, {});
  QWidget* remote = nullptr;
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->isVisible() && window->windowTitle() == "Virtual Remote") remote = window;
  ASSERT_NE(remote, nullptr);
  // The labels and keys of the key rows, where light print on the dark body carries the
  // information.
  ExpectScalesCleanly(*remote, "virtual-remote", QRect(10, 170, 218, 330), true);
  remote->close();
}

}  // namespace lenvari
