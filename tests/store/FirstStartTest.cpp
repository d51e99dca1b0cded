#include <QCryptographicHash>
#include <gtest/gtest.h>

#include <map>

#include "StoreTestFolder.h"
#include "store/PlatformDefaults.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

// Each file of the folder by the start of its MD5 sum.
std::map<std::string, std::string> Checksums(const std::string& folder) {
  std::map<std::string, std::string> sums;
  for (const std::string& name : FileNames(folder)) {
    const QByteArray bytes = QByteArray::fromStdString(ReadText(folder + "/" + name));
    const QByteArray sum = QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex();
    sums[name] = sum.left(12).toStdString();
  }
  return sums;
}

using FirstStart = StoreFolderTest;

TEST_F(FirstStart, WritesExactlyTheFilesOfAnEmptyFolderByteForByteThatTheNextStartReadsBack) {
  const State state = Start();
  EXPECT_TRUE(host.messages.empty());

  // The chart shows built-in preset 1: size 6 of "ETDRS Standard", all rows and columns.
  EXPECT_EQ(Tie(state.chart.SizeNow, state.chart.Mode, state.chart.LetterSetFileNum,
                state.letters.LetterSetName[6], state.chart.HShutter, state.chart.VShutter,
                state.chart.Background, state.letters.LetterSize[6][0], state.chart.ShowMemoryNumber,
                state.chart.CurrentMemory),
            Tie(6, ChartMode::Letter, 6, "ETDRS Standard", 999, 999, 63, 11.0f, 1, 1));
  // Uncalibrated, so the loop's entry will ask for a calibration.
  EXPECT_EQ(state.monitors.MasterScaleX[1], 0);

  // A build folder holds no video, so none is selected.
  EXPECT_EQ(DefaultSelectedVideo(), "");
  // Every byte of every file: the version, each monitor's default settings, ten monitors
  // without a calibration or a stored rectangle, the built-in presets and letter sets.
  std::map<std::string, std::string> expected = {
      {"globalconfig.cfg", "08777ffa03d7"}, {"lvmonitordata.cfg", "6e315b1ba292"},
      {"1presets.cfg", "6f5942909f87"}, {"lv0.let", "dcc9c7f6baa8"}, {"lv1.let", "8531484a19fe"},
      {"lv2.let", "33d0aea3a878"}, {"lv3.let", "5748a403d934"}, {"lv4.let", "9d0878ff3204"},
      {"lv5.let", "a6e44438ed23"}, {"lv6.let", "84b0c14ac201"}, {"lv7.let", "b6c34c9b5ab6"},
      {"lv8.let", "a7d2a202a6bb"}, {"lv9.let", "75cdcfdfbef3"}, {"lv10.let", "6937069f23bf"}};
  for (int n = 1; n <= 10; ++n) expected[std::to_string(n) + "lvconfig.cfg"] = "42a9823c3838";
  EXPECT_EQ(Checksums(folder), expected);

  const LetterSets& l = state.letters;
  EXPECT_EQ(Tie(l.LetterSize[0][2], l.MaxColumns[10], l.MaxColumns[0]), Tie(12.5f, 10, 1));
  EXPECT_EQ(l.LetterLines[6], l.LetterLines[1]);  // "ETDRS Standard" repeats "Sloan 5 letter"
  EXPECT_EQ(l.LetterLines[3][1][0], "OHPNT5");    // row 0 copies row 1
  EXPECT_EQ(l.LetterLines[10][4][3], "NEWYEAR!");

  // The second start reads the same tables back and leaves every byte as it was. The leading
  // blank of the stored numbers is gone after the round trip; the values are not.
  const State second = Start();
  EXPECT_EQ(Checksums(folder), expected);
  EXPECT_EQ(Tie(second.letters.LetterLines, second.letters.LetterSize, second.letters.MaxColumns,
                second.letters.LetterSetName, second.presets.PresetTable, second.settings.SelectedVideo),
            Tie(l.LetterLines, l.LetterSize, l.MaxColumns, l.LetterSetName, state.presets.PresetTable,
                state.settings.SelectedVideo));
}

TEST_F(FirstStart, DefaultVideoIsTheInstalledOneOrNone) {
  namespace fs = std::filesystem;
  const fs::path prefix = fs::path(folder) / "usr";
  fs::create_directories(prefix / "bin");
  EXPECT_EQ(DefaultSelectedVideoBeside((prefix / "bin").string()), "");  // nothing installed
  EXPECT_EQ(DefaultSelectedVideoBeside(""), "");

  const fs::path share = prefix / "share" / "lenvari-acuity";
  fs::create_directories(share);
  PutText((share / "lenvarivideo.mp4").string(), "video");
  EXPECT_EQ(DefaultSelectedVideoBeside((prefix / "bin").string()), (share / "lenvarivideo.mp4").string());
}

}  // namespace
}  // namespace lenvari
