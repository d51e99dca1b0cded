#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "StoreTestFolder.h"
#include "store/PlatformDefaults.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

std::string Lines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

using FirstStart = StoreFolderTest;

TEST_F(FirstStart, WritesExactlyTheFilesOfAnEmptyFolderByteForByte) {
  State state = Start();

  std::set<std::string> expected = {"globalconfig.cfg", "lvmonitordata.cfg", "1presets.cfg"};
  for (int n = 1; n <= 10; ++n) expected.insert(std::to_string(n) + "lvconfig.cfg");
  for (int f = 0; f <= 10; ++f) expected.insert("lv" + std::to_string(f) + ".let");
  EXPECT_EQ(FileNames(folder), expected);
  EXPECT_TRUE(host.messages.empty());

  // The chart shows built-in preset 1: size 6 of "ETDRS Standard", all rows and columns.
  EXPECT_EQ(Tie(state.chart.SizeNow, state.chart.Mode, state.chart.LetterSetFileNum,
                state.letters.LetterSetName[6], state.chart.HShutter, state.chart.VShutter,
                state.chart.Background, state.letters.LetterSize[6][0], state.chart.ShowMemoryNumber,
                state.chart.CurrentMemory),
            Tie(6, ChartMode::Letter, 6, "ETDRS Standard", 999, 999, 63, 11.0f, 1, 1));
  // Uncalibrated, so the loop's entry will ask for a calibration.
  EXPECT_EQ(state.monitors.MasterScaleX[1], 0);

  EXPECT_EQ(FileText(folder, "globalconfig.cfg"), "Version$:     Lenvari 4.13\r\n");

  // A build folder holds no video, so none is selected.
  const std::string video = DefaultSelectedVideo();
  EXPECT_EQ(video, "");
  const std::string settings = Lines({
      "TestDistance:", "20 feet", "LabelSize!:", " 10 ", "LabelColor$:", "Blue",
      "Mirror&:", " 1 ", "MaxVShutter&:", " 4 ", "JacksonCrossTargetSize&:", " 30 ",
      "WorthDotSize&:", " 40 ", "WorthDotMode&:", " 4 ", "AccessibleContrast&:", " 10 ",
      "StatusBar&:", " 1 ", "FixDispFusionLock&:", " 1 ", "AstigMode$:", "DialWithLabels",
      "AcuityBase&:", " 20 ", "ShowTestDistance&:", " 1 ", "SelectedVideo$:", video,
      "VideoPlayer$:", "", "TimerDelay!:", "  2.0", "RedGreenOrRedBlue$:", "RedGreen",
      "MyRed&:", " 255 ", "MyGreen&:", " 65280 ", "MyBlue&:", " 16711680 ",
      "MyBlack&:", " 0 ", "AudioAlert&:", " 0 ", "MonitorWindowFlag&:", " 0 ",
      "ThumbnailFlag&:", " 0 ", "AlwaysOnTopFlag&:", " 0 ", "MonitorWindowX&:", " 0 ",
      "MonitorWindowY&:", " 0 ", "MonitorWindowWidth&:", " 0 ", "MonitorWindowHeight&:", " 0 ",
      "SmoothingFlag&:", " 1 ", "TimerDelay!", " 2 ", "ShowVirtualRemote&:", " 0 "});
  EXPECT_EQ(FileText(folder, "1lvconfig.cfg"), settings);
  EXPECT_EQ(FileText(folder, "10lvconfig.cfg"), settings);

  // No monitor has been calibrated yet, so no rectangle is stored: the calibration stores the
  // one it was made at.
  std::string monitorData = Lines({" 1 ", " 2 "});
  for (int n = 1; n <= 10; ++n)
    monitorData += Lines({" 0 ", " 0 ", " 0 ", " 0 ", " 0 ", " 0 ", " 1 "});
  EXPECT_EQ(FileText(folder, "lvmonitordata.cfg"), monitorData);

  const std::string presets = FileText(folder, "1presets.cfg");
  const std::string spare = Lines({"", "", "", "", "", ""});  // field 15 and fields 16 .. 20
  const std::string first = Lines({"6", "Letter", "1", "1", "0", "999", "999", "0", "", "11",
                                   "0", "63", "6", "6", "0"}) + spare;
  const std::string last = Lines({"9", "StrongLight", "1", "1", "0", "1", "1", "0", "O", "11",
                                  "0", "63", "6", "6", "0"}) + spare;
  const std::string thirteenth = Lines({"11", "Pictures", "1", "1", "0", "1", "1", "0", "", "0",
                                        "0", "63", "8", "6", "0"}) + spare;
  EXPECT_EQ(presets.substr(0, first.size()), first);
  EXPECT_EQ(presets.substr(presets.size() - last.size()), last);
  EXPECT_NE(presets.find(thirteenth), std::string::npos);
  EXPECT_EQ(std::count(presets.begin(), presets.end(), '\n'), 756);
  EXPECT_EQ(std::count(presets.begin(), presets.end(), '\r'), 756);

  EXPECT_EQ(FileText(folder, "lv2.let"),
            Lines({"HOTV", " 13 , 1 , 20 ", " 400 ,VTHTO", " 200 ,HOTVT", " 100 ,VTOHV",
                   " 80 ,TVOVH", " 70 ,OHVTO", " 60 ,TVHOV", " 50 ,OVHTO", " 40 ,HTOVT",
                   " 30 ,TVHOH", " 25 ,TOHVT", " 20 ,TOVHO", " 15 ,HTOVH", " 10 ,OHVTV"}));
  EXPECT_EQ(FileText(folder, "lv5.let"),
            Lines({"Snellen Standard 'E' Chart", " 11 , 1 , 20 ", " 200 ,E", " 100 ,FP",
                   " 70 ,TOZ", " 50 ,LPED", " 40 ,PECFD", " 30 ,EDFCZP", " 25 ,FELOPZD",
                   " 20 ,DEFPOTEC", " 15 ,LEFODPCT", " 12.5 ,FDPLTCEO", " 10 ,PEZOLCFTD"}));
  const std::string psychometric = FileText(folder, "lv0.let");
  EXPECT_EQ(psychometric.substr(0, 52),
            Lines({"Psychometric", " 17 , 8 , 20 ", " 400 ,l,r,d,r,u,d,u,l"}).substr(0, 52));
  EXPECT_NE(psychometric.find("\r\n 12.5 ,r,u,l,r,l,d,d,u\r\n 10 ,l,r,d,r,u,d,u,l\r\n"),
            std::string::npos);
  EXPECT_NE(FileText(folder, "lv10.let")
                .find(" 30 ,BIRTHDAY,YOU,VALENTINES,CHRISTMAS!,PEACE\r\n 25 ,NVDOR,MARRY,DAY"),
            std::string::npos);

  const LetterSets& l = state.letters;
  EXPECT_EQ(Tie(l.LetterSize[0][2], l.MaxColumns[10], l.MaxColumns[0]), Tie(12.5f, 10, 1));
  EXPECT_EQ(l.LetterLines[6], l.LetterLines[1]);  // "ETDRS Standard" repeats "Sloan 5 letter"
  EXPECT_EQ(l.LetterLines[3][1][0], "OHPNT5");    // row 0 copies row 1
  EXPECT_EQ(l.LetterLines[10][4][3], "NEWYEAR!");
}

TEST_F(FirstStart, SecondStartReadsBackTheSameTablesAndBytes) {
  const State first = Start();
  std::map<std::string, std::string> before;
  for (const std::string& name : FileNames(folder)) before[name] = FileText(folder, name);

  const State second = Start();
  for (const std::string& name : FileNames(folder)) EXPECT_EQ(FileText(folder, name), before[name]) << name;
  EXPECT_EQ(Tie(FileNames(folder).size(), second.letters.LetterLines, second.letters.LetterSize,
                second.letters.MaxColumns, second.letters.LetterSetName),
            Tie(before.size(), first.letters.LetterLines, first.letters.LetterSize, first.letters.MaxColumns,
                first.letters.LetterSetName));
  // The leading blank of the stored numbers is gone after the round trip; the values are not.
  EXPECT_EQ(second.presets.PresetTable, first.presets.PresetTable);
  EXPECT_EQ(second.settings.SelectedVideo, first.settings.SelectedVideo);
}

TEST_F(FirstStart, DefaultVideoIsTheInstalledOneOrNone) {
  namespace fs = std::filesystem;
  const fs::path prefix = fs::path(folder) / "usr";
  fs::create_directories(prefix / "bin");
  EXPECT_EQ(DefaultSelectedVideoBeside((prefix / "bin").string()), "");  // nothing installed
  EXPECT_EQ(DefaultSelectedVideoBeside(""), "");

  const fs::path share = prefix / "share" / "lenvari-acuity";
  fs::create_directories(share);
  PutFile(share.string(), "lenvarivideo.mp4", "video");
  EXPECT_EQ(DefaultSelectedVideoBeside((prefix / "bin").string()), (share / "lenvarivideo.mp4").string());
}

}  // namespace
}  // namespace lenvari
