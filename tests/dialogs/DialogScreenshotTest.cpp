#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>

#include <cstdio>

#include "support/Pixels.h"
#include "support/XServer.h"

namespace lenvari {
namespace {

struct Shot {
  int exitCode = -1;
  std::string report;  // one line per caption cut off or controls overlapping
  QImage picture;
};

// Runs the screenshot helper on a platform ("offscreen" or "xcb" on `display`) at a font
// resolution; the picture goes to the test output.
Shot TakeShot(const QString& platform, const QString& display, int dpi, const char* dialog) {
  const QString path =
      QString("%1/%2-%3-%4.png").arg(LENVARI_TEST_OUTPUT_DIR, dialog, platform).arg(dpi);
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", platform);
  environment.insert("QT_FONT_DPI", QString::number(dpi));
  if (!display.isEmpty()) environment.insert("DISPLAY", display);
  environment.insert("ASAN_OPTIONS", "detect_leaks=0");
  QProcess process;  // killed when it is left running
  process.setProcessEnvironment(environment);
  process.start(LENVARI_DIALOGSHOT_PATH, {path, dialog});
  if (!process.waitForFinished(60000)) return {};
  return {process.exitCode(), process.readAllStandardOutput().toStdString(), QImage(path)};
}

// Every caption fits its control and no two controls overlap, at 96 and at 144 dots per inch,
// painted offscreen and, where an X server can start, shown on a real window system; the window
// keeps the proportions of its 587 x 355 units as the fonts grow.
TEST(DialogScreenshot, EveryCaptionFitsAtNormalAndLargeFontsOffscreenAndOnX11) {
  const XServer server({"1920x1080"});
  if (!server.problem().isEmpty()) std::printf("X11 part skipped: %s\n", qPrintable(server.problem()));
  QSize sizes[2];
  int n = 0;
  for (int dpi : {96, 144}) {
    const Shot shot = TakeShot("offscreen", "", dpi, "configuration");
    EXPECT_EQ(shot.exitCode, 0) << dpi << "\n" << shot.report;
    ASSERT_FALSE(shot.picture.isNull()) << dpi;
    sizes[n++] = shot.picture.size();
    const Shot dual = TakeShot("offscreen", "", dpi, "dual");
    EXPECT_EQ(dual.exitCode, 0) << dpi << "\n" << dual.report;
    if (!server.problem().isEmpty()) continue;
    // Taken from the screen: the picture holds the dialog's painted face, not an empty screen.
    const Shot real = TakeShot("xcb", server.display(), dpi, "configuration");
    EXPECT_EQ(real.exitCode, 0) << dpi << "\n" << real.report;
    ASSERT_FALSE(real.picture.isNull()) << dpi;
    EXPECT_GT(GreyPixels(real.picture, real.picture.rect(), 201, 255),
              real.picture.width() * real.picture.height() / 2)
        << dpi;
  }
  EXPECT_NEAR(static_cast<double>(sizes[1].width()) / sizes[0].width(), 1.5, 0.12);
  EXPECT_NEAR(static_cast<double>(sizes[1].height()) / sizes[0].height(), 1.5, 0.12);
}

}  // namespace
}  // namespace lenvari
