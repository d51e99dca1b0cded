// The phone remote with a real browser: one program start, one headless chromium, driven by
// tests/support/phone_browser.py through the browser's DevTools port.

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include "store/PhoneRemoteFile.h"
#include "support/DataFolderText.h"
#include "support/ProgramRun.h"

namespace lenvari {

TEST(PhoneRemoteBrowser, PairsDrivesTheChartAndRefusesEveryoneElse) {
  if (QStandardPaths::findExecutable("chromium").isEmpty())
    GTEST_SKIP() << "chromium is not installed (scripts/setup.sh installs it)";
  ProgramRunRequest request;
  const std::string data = FreshFolder("data");
  SeedCalibration(request, data);
  PutText(data + "/" + kPhoneRemoteFileName, PhoneRemoteFileText({1, 0}));
  QProcess driver;
  driver.setProcessChannelMode(QProcess::MergedChannels);
  // Debian's interpreter, which has the websocket module, before any other on the path.
  const QString python =
      QFile::exists("/usr/bin/python3") ? "/usr/bin/python3" : QString("python3");
  driver.start(python, {QString(LENVARI_SUPPORT_DIR) + "/phone_browser.py", "--program",
                           LENVARI_MAIN_PATH, "--data", QString::fromStdString(data), "--frames",
                           QString::fromStdString(FreshFolder("frames")), "--screens",
                           QString(LENVARI_SCREENS_DIR) + "/one-monitor.json", "--out",
                           LENVARI_TEST_OUTPUT_DIR});
  ASSERT_TRUE(driver.waitForFinished(120000));
  const QString output = QString::fromUtf8(driver.readAll());
  std::printf("%s\n", qPrintable(output));
  if (driver.exitCode() == 77) GTEST_SKIP() << qPrintable(output);
  EXPECT_EQ(driver.exitCode(), 0) << qPrintable(output);
}

}  // namespace lenvari
