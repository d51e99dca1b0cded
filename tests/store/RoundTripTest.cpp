#include <gtest/gtest.h>

#include <tuple>

#include "StoreTestFolder.h"
#include "app/examiner/LetterLineEditor.h"
#include "store/PlatformDefaults.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

using StoreRestart = StoreFolderTest;

TEST_F(StoreRestart, StoredPresetWithCustomSizeRecallsExactly) {
  State state = Start();
  ChartState& c = state.chart;
  c.SizeNow = 0, c.Mode = ChartMode::Image, c.LetterSet = 2, c.Grad = 0, c.RG = 1, c.HShutter = 3;
  c.VShutter = 999, c.Mask = 1, c.JustOneLetter = "K", c.LetterSetFileNum = 4;
  state.letters.LetterSize[4][0] = 12.5f;
  c.Foreground = 90, c.Background = 100, c.DispFlag = 0, c.ImageNum = 17;
  state.settings.MaxVShutter[1] = 6;
  int n = 5;
  std::string fileWhenDrawn;
  MemoryPreset(state, PresetAction::Store, n,
               [&] { fileWhenDrawn = ReadText(folder + "/1presets.cfg"); });
  // The thumbnail step comes after the save, so it sees the stored preset on disk.
  EXPECT_NE(fileWhenDrawn.find(" 0\r\nImage\r\n 2\r\n 0\r\n 1\r\n 3\r\n 999\r\n 1\r\nK\r\n 12.5\r\n"
                               " 90\r\n 100\r\n 4\r\n 6\r\n 0\r\n 17\r\n"),
            std::string::npos);

  State again = Start();
  again.chart.ImageNum = 1;
  OnPreset(again, PresetAction::Recall, 5);
  const auto fields = [](const ChartState& x) {
    return std::tie(x.SizeNow, x.Mode, x.LetterSet, x.Grad, x.RG, x.HShutter, x.VShutter,
                    x.Mask, x.JustOneLetter, x.LetterSetFileNum, x.Foreground, x.Background,
                    x.ImageNum);
  };
  EXPECT_EQ(Tie(fields(again.chart), again.letters.LetterSize[4][0]), Tie(fields(c), 12.5f));

  // A mode word this program does not know (a preset written by hand) is stored back as it
  // was read, and the chart draws letters for it.
  again.presets.PresetTable[6][1] = "Hand Made";
  OnPreset(again, PresetAction::Recall, 6);
  EXPECT_EQ(again.chart.Mode, ChartMode::Other);
  EXPECT_FALSE(IsSpecialTargetMode(again.chart.Mode));
  again.presets.PresetTable[6][1] = "";
  OnPreset(again, PresetAction::Store, 6);
  EXPECT_EQ(again.presets.PresetTable[6][1], "Hand Made");
}

TEST_F(StoreRestart, RecallFollowsThePresetRules) {
  State state = Start();
  state.chart.ImageNum = 9, state.chart.ShowMemoryNumber = 0;
  OnPreset(state, PresetAction::Recall, 2);
  // Not an "Image" preset: the image stays.
  EXPECT_EQ(Tie(state.chart.SizeNow, state.chart.LetterSetFileNum, state.chart.ImageNum,
                state.chart.ShowMemoryNumber),
            Tie(7, 7, 9, 1));

  for (int outside : {0, 37, -5}) {
    state.chart.CurrentMemory = outside;
    MemoryPreset(state, PresetAction::Recall, state.chart.CurrentMemory);
    EXPECT_EQ(Tie(state.chart.CurrentMemory, state.chart.SizeNow), Tie(1, 6));
  }

  // Text where a number belongs recalls as 0; rounding is to even.
  state.presets.PresetTable[7][0] = "x12", state.presets.PresetTable[7][5] = " 2.5";
  state.presets.PresetTable[7][12] = "77";  // a file number the tables do not have
  OnPreset(state, PresetAction::Recall, 7);
  EXPECT_EQ(Tie(state.chart.SizeNow, state.chart.HShutter, state.chart.LetterSetFileNum), Tie(0, 2, 77));
}

TEST_F(StoreRestart, TemporaryCopyRestoresTheCustomSizeIntoTheFileCurrentBeforeIt) {
  State state = Start();
  state.chart.LetterSetFileNum = 4, state.letters.LetterSize[4][0] = 33.5f;
  state.chart.Mode = ChartMode::Letter, state.chart.SizeNow = 5, state.chart.ShowMemoryNumber = 0;
  TempStateCopy(state, TempCopy::Save);
  state.chart.Mode = ChartMode::AstigmaticClockDial, state.chart.SizeNow = 1;
  state.chart.LetterSetFileNum = 6;
  TempStateCopy(state, TempCopy::Restore);
  EXPECT_EQ(Tie(state.chart.Mode, state.chart.SizeNow, state.chart.LetterSetFileNum,
                state.letters.LetterSize[6][0], state.chart.ShowMemoryNumber),
            Tie(ChartMode::Letter, 5, 4, 33.5f, 0));
}

TEST_F(StoreRestart, SettingsPresetsAndLettersSurviveWithCommasOtherLineEndsAndNamesInAnyCase) {
  State state = Start();
  Settings& s = state.settings;
  s.TimerDelay = 1.5f;
  s.Mirror[1] = 0;                         // a room without a mirror
  s.Mirror[2] = 1, s.LabelSize[2] = 12.25f, s.TestDistance[2] = "6 meters", s.LabelColor[1] = "Red";
  s.AcuityBase = 6, s.MyBlack = 0x00101010, s.MonitorWindowX[1] = -1200, s.MonitorWindowY[1] = 40;
  s.MonitorWindowWidth[1] = 400, s.MonitorWindowHeight[1] = 300;
  // A comma inside a value keeps the value whole and the keys after it.
  s.SelectedVideo = "/videos/eye, chart.mp4", s.TestDistance[1] = "6,1 m";
  state.monitors.MasterScaleX[2] = 1234, state.monitors.MasterScaleY[2] = 1250;
  SaveConfiguration(state);
  // The second, never read, timer key (the first one's forms: FuzzFindings).
  EXPECT_NE(ReadText(folder + "/1lvconfig.cfg").find("TimerDelay!\r\n 1.5 \r\n"), std::string::npos);
  EXPECT_NE(ReadText(folder + "/lvmonitordata.cfg").find("-1280 \r\n 0 \r\n 0 \r\n 1024 \r\n 1234 "),
            std::string::npos);

  // A distance without a number is written as 20 feet: 0 never reaches the settings.
  state.settings.TestDistance[3] = "0 meters", state.settings.TestDistance[4] = "feet";
  SaveConfiguration(state);
  EXPECT_EQ(state.settings.TestDistance[3], "20 feet");
  EXPECT_EQ(ReadText(folder + "/4lvconfig.cfg").substr(0, 24), "TestDistance:\r\n20 feet\r\n");
  state.chart.JustOneLetter = "Z";
  OnPreset(state, PresetAction::Store, 9);
  state.letters.LetterLines[3][1][15] = "EXTRA", state.letters.LetterLines[0][1][1] = "u";
  SaveLetterSets(state.letters, folder);

  State again = Start();
  const auto fields = [](const Settings& x) {
    return std::tie(x.TimerDelay, x.Mirror, x.LabelSize, x.TestDistance, x.LabelColor, x.AcuityBase,
                    x.MyBlack, x.MonitorWindowWidth, x.MonitorWindowHeight, x.SelectedVideo);
  };
  // The video player, never set, is the platform's.
  EXPECT_EQ(Tie(fields(again.settings), again.settings.MonitorWindowX[1], again.settings.MonitorWindowY[1],
                again.monitors.SavedMonitorRect[2], again.monitors.MasterScaleX[2],
                again.monitors.MasterScaleY[2], again.presets.PresetTable[9][8],
                again.letters.LetterLines[3][1][15], again.letters.LetterLines[0][1][1],
                again.settings.VideoPlayer),
            Tie(fields(s), -1200, 40, (MonitorRectangle{0, -1280, 0, 0, 1024}), 1234, 1250, "Z", "EXTRA",
                "u", DefaultVideoPlayer()));

  // Another system's line ends (LF alone) and names in another case read the same; the files
  // are written under the names they have, and nothing is taken for damaged and kept.
  std::filesystem::rename(folder + "/1lvconfig.cfg", folder + "/1LVConfig.cfg");
  std::filesystem::rename(folder + "/lv0.let", folder + "/LV0.LET");
  std::filesystem::rename(folder + "/1presets.cfg", folder + "/1Presets.CFG");
  const std::set<std::string> names = FileNames(folder);
  for (const std::string& name : names) {
    std::string text = ReadText(folder + "/" + name);
    std::erase(text, '\r');
    PutText(folder + "/" + name, text);
  }
  const State withLf = Start();
  EXPECT_EQ(Tie(fields(withLf.settings), withLf.monitors.MasterScaleX, withLf.presets.PresetTable,
                withLf.letters.LetterLines, FileNames(folder)),
            Tie(fields(again.settings), again.monitors.MasterScaleX, again.presets.PresetTable,
                again.letters.LetterLines, names));
}

TEST_F(StoreRestart, GlobalsEndAsTheLastFileAndTheOddKeysKeepTheirQuirks) {
  State state = Start();
  state.monitors.CurrentMonitor = 2;
  SaveConfiguration(state);
  std::string tenth = ReadText(folder + "/10lvconfig.cfg");
  tenth.replace(tenth.find("AcuityBase&:\r\n 20 "), 18, "AcuityBase&:\r\n 6  ");
  tenth += "MonitorWindowWidth&:\r\n 640 \r\nScreenWidth&:\r\n 800 \r\nVersion$:\r\nLenvari 3\r\n"
           "TimerDelay!\r\n 9 \r\nGraphicWindowX&:\r\n 5 \r\n";
  PutText(folder + "/10lvconfig.cfg", tenth);
  State again = NewState(folder);
  again.monitors.CurrentMonitor = 2;
  LoadConfiguration(again);
  // The patient monitor comes from the monitor data file, the window width goes to it, the
  // program's own version is not a setting, and "TimerDelay!" is written, never read.
  EXPECT_EQ(Tie(again.monitors.CurrentMonitor, again.settings.AcuityBase,
                again.settings.MonitorWindowWidth[2], again.settings.MonitorWindowWidth[10],
                again.monitors.ScreenWidth[10], again.settings.Version, again.Version,
                again.settings.TimerDelay),
            Tie(2, 6, 640, 0, 800, "Lenvari 3", "Lenvari 4.13", 2.0f));
  // The preset file of the current monitor is the one written.
  EXPECT_NE(FileNames(folder).count("2presets.cfg"), 0u);

  // A missing settings file gives that monitor's defaults only: the globals the other files
  // give and the patient monitor stay.
  std::filesystem::remove(std::filesystem::path(folder) / "10lvconfig.cfg");
  State third = NewState(folder);
  LoadConfiguration(third);
  EXPECT_EQ(Tie(third.settings.AcuityBase, third.monitors.CurrentMonitor, third.settings.MaxVShutter[10]),
            Tie(6, 2, 4));
  // And so does the file written in its place.
  EXPECT_EQ(Tie(Setting(folder, 10, "AcuityBase&:"), Setting(folder, 10, "MaxVShutter&:"),
                ReadText(folder + "/lvmonitordata.cfg").substr(0, 5)),
            Tie(" 6 ", " 4 ", " 2 \r\n"));
}

TEST_F(StoreRestart, LetterLineEditorRefusesWhatItCannotUseAndAnEditSurvivesARestart) {
  LetterSets letters;
  ChartState chart;
  chart.LetterSetFileNum = 1, chart.LetterSet = 2, chart.SizeNow = 3;
  letters.LetterLines[1][2][3] = "KZVDC";
  host.inputAnswers = {"xyz"};
  int draws = 0;
  EXPECT_FALSE(EditLetterLine(letters, chart, folder, host, [&] { ++draws; }));
  ASSERT_EQ(host.inputs.size(), 1u);
  EXPECT_EQ(Tie(host.inputs[0].prompt, host.inputs[0].title, host.inputs[0].defaultText),
            Tie("Enter capital letters, numbers, b,c,e,h,j,or p", "Edit", "KZVDC"));
  EXPECT_EQ(host.ownCalls,
            (std::vector<std::string>{"InputBox", "MessageBox !"}));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(Tie(host.messages[0].message, host.messages[0].title, letters.LetterLines[1][2][3], draws),
            Tie("Invalid Entry", "!", "KZVDC", 0));
  EXPECT_TRUE(FileNames(folder).empty());  // nothing written

  // Cancelling gives "" and the same message.
  host.inputAnswers = {""};
  EXPECT_FALSE(EditLetterLine(letters, chart, folder, host));
  EXPECT_EQ(host.messages.size(), 2u);

  // A chart state naming a line the tables cannot hold asks nothing.
  chart.SizeNow = 25;
  EXPECT_FALSE(EditLetterLine(letters, chart, folder, host));
  EXPECT_EQ(host.inputs.size(), 2u);

  // Only the allowed characters count, at most ten of them.
  EXPECT_EQ(Tie(AllowedLetterLine("abc12"), AllowedLetterLine("ABCDEFGHIJKL MNOP"),
                AllowedLetterLine("a,b;c!j-p_.x"), AllowedLetterLine("xyz lrud")),
            Tie("bc12", "ABCDEFGHIJ", "bcj-p_.", ""));

  // An accepted line is drawn and saved at once, and the next start reads it back.
  State state = Start();
  state.chart.LetterSetFileNum = 2, state.chart.LetterSet = 1, state.chart.SizeNow = 1;
  host.inputAnswers = {"HOT V 2"};
  draws = 0;
  EXPECT_TRUE(EditLetterLine(state.letters, state.chart, folder, host, [&] { ++draws; }));
  EXPECT_EQ(Tie(draws, state.letters.LetterLines[2][1][1]), Tie(1, "HOTV2"));
  EXPECT_EQ(state.letters.LetterLines[2][1][0], "OHVTV");  // row 0 waits for the next start
  EXPECT_NE(ReadText(folder + "/lv2.let").find(" 10 ,HOTV2\r\n"), std::string::npos);
  const State again = Start();
  EXPECT_EQ(Tie(again.letters.LetterLines[2][1][1], again.letters.LetterLines[2][1][0]),
            Tie("HOTV2", "HOTV2"));
}

}  // namespace
}  // namespace lenvari
