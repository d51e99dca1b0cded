#include <gtest/gtest.h>

#include "StoreTestFolder.h"
#include "store/FieldReader.h"
#include "store/MonitorDataFile.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

namespace fs = std::filesystem;

using DamagedFiles = StoreFolderTest;

TEST(FieldReading, FollowsTheFieldRules) {
  FieldReader r{"  abc def ,\"x,y\" , 12.5e1 ,-3x,,\t7\r\nnext\nlast"};
  // What each reader gives, with "<end>" once it reports the end.
  const auto text = [&r] { std::string t; return ReadStringField(r, t) ? t : "<end>"; };
  const auto number = [&r] { double n = 0; return ReadNumberField(r, n) ? n : -999; };
  EXPECT_EQ(text(), "abc def ");  // blanks inside and at the end stay, the leading ones go
  EXPECT_EQ(text(), "x,y");
  EXPECT_EQ(number(), 125);
  EXPECT_EQ(number(), -3);
  EXPECT_EQ(number(), 0);  // an empty field
  EXPECT_EQ(number(), 7);
  EXPECT_EQ(text(), "next");  // a lone LF ends the line like CR LF
  EXPECT_EQ(text(), "last");
  EXPECT_EQ(text(), "<end>");
  EXPECT_EQ(number(), -999);

  r = FieldReader{"a,b\r\n\r\n\"q\" tail\n"};
  const auto line = [&r] { std::string t; return ReadLineField(r, t) ? t : "<end>"; };
  EXPECT_EQ(line(), "a,b");
  EXPECT_EQ(line(), "");
  EXPECT_EQ(line(), "q");
  EXPECT_EQ(line(), "<end>");

  EXPECT_EQ(Tie(IntegerOf("1e12"), IntegerOf(" 2.5 ")), Tie(2147483647, 2));
  EXPECT_EQ(RealOf("1e39"), 0.0f);  // beyond single precision
}

TEST_F(DamagedFiles, HandEditedSettingsKeepEveryKeyThatCanBeRead) {
  State state = NewState(folder);
  ReadSettingsText(state.settings, state.monitors, 1,
                   "mirror&:\r\n 0 \r\n"           // wrong case: skipped with its value
                   "MaxVShutter&:\r\n 6 \r\n"
                   "\r\n"                           // a stray empty line
                   "WorthDotSize&:, 55\r\n"         // key and value on one line
                   "LabelColor$:\r\n  Green  \r\n"  // blanks around a value go
                   "StatusBar&:\r\n"                // no value line
                   "AcuityBase&:\r\n 6 \r\n"
                   "Unknown&:\r\n 1 \r\n"
                   "LabelSize!:\r\n 14.5 \r\n"
                   "TimerDelay!:\r\n  1.5\r\n"
                   "FixDispFusionLock&:");          // last key without a value
  const Settings& s = state.settings;
  EXPECT_EQ(s.Mirror[1], 0);  // untouched start value
  EXPECT_EQ(Tie(s.MaxVShutter[1], s.WorthDotSize[1], s.LabelColor[1], s.StatusBar[1], s.AcuityBase,
                s.LabelSize[1], s.TimerDelay, s.FixDispFusionLock[1]),
            Tie(6, 55, "Green", 0, 6, 14.5f, 1.5f, 0));
}

TEST_F(DamagedFiles, TruncatedPresetFileKeepsThePresetsItHolds) {
  State state = Start();
  state.letters.LetterSize[state.chart.LetterSetFileNum][0] = 12.5f, state.chart.SizeNow = 0;
  OnPreset(state, PresetAction::Store, 3);
  state.chart.SizeNow = 2;
  OnPreset(state, PresetAction::Store, 30);
  const std::string whole = ReadText(folder + "/1presets.cfg");
  // Cut inside preset 30, after its 10th line.
  size_t cut = 0;
  for (int line = 0; line < 29 * 21 + 10; ++line) cut = whole.find('\n', cut) + 1;
  PutText(folder + "/1presets.cfg", whole.substr(0, cut));

  State again = Start();
  // Preset 30 is the built-in one again: it was cut short.
  EXPECT_EQ(Tie(again.presets.PresetTable[3][9], again.presets.PresetTable[3][0],
                again.presets.PresetTable[30][0], BackupText(folder, "1presets.cfg")),
            Tie("12.5", "0", "7", whole.substr(0, cut)));
  const std::string rewritten = ReadText(folder + "/1presets.cfg");
  EXPECT_EQ(std::count(rewritten.begin(), rewritten.end(), '\n'), 756);

  // Trailing empty lines stripped by an editor lose nothing that a store wrote.
  std::string stripped = whole;
  while (stripped.size() >= 2 && stripped.substr(stripped.size() - 2) == "\r\n" &&
         stripped[stripped.size() - 3] == '\n')
    stripped.resize(stripped.size() - 2);
  PutText(folder + "/1presets.cfg", stripped);
  State third = Start();
  EXPECT_EQ(Tie(third.presets.PresetTable[30][0], third.presets.PresetTable[36][1]), Tie("2", "StrongLight"));
}

TEST_F(DamagedFiles, MissingOrUnusableLetterSetFileRebuildsAllAndKeepsTheOthersAsBackups) {
  State state = Start();
  state.letters.LetterLines[3][1][15] = "MINE";
  SaveLetterSets(state.letters, folder);
  const std::string edited = ReadText(folder + "/lv3.let");
  fs::remove(fs::path(folder) / "lv7.let");
  PutText(folder + "/lv4.let", "Big\r\n 99 , 3 , 20 \r\n");  // more sizes than the tables hold

  State again = Start();
  // Built-in content again, the examiner's letters kept, and only the files that differed from
  // the built-in content needed a copy.
  int backups = 0;
  for (const std::string& name : FileNames(folder)) backups += name.ends_with(".bak");
  EXPECT_EQ(Tie(again.letters.LetterLines[3][1][15], again.letters.NumSizes[4],
                BackupText(folder, "lv3.let"), BackupText(folder, "lv4.let"), backups,
                fs::exists(fs::path(folder) / "lv7.let"), again.chart.LetterSet),
            Tie("E", 17, edited, "Big\r\n 99 , 3 , 20 \r\n", 2, true, 1));
}

TEST(LetterSetReading, FilesThatTheTablesCannotHoldAreUnreadable) {
  LetterSets letters;
  EXPECT_TRUE(ReadLetterSetText(letters, 1, "Two\r\n 2 , 1 , 20 \r\n 40 , AB C \r\n 20 ,XY\r\n"));
  EXPECT_EQ(Tie(letters.LetterLines[1][1][2], letters.LetterLines[1][1][0], letters.MaxColumns[1]),
            Tie("AB C", "XY", 4));
  for (const char* refused : {"Big\r\n 21 , 1 , 20 \r\n", "Wide\r\n 2 , 9 , 20 \r\n",
                              "None\r\n 0 , 1 , 20 \r\n", "Short\r\n 2 , 1 , 20 \r\n 40 ,AB\r\n"})
    EXPECT_FALSE(ReadLetterSetText(letters, 1, refused)) << refused;
  EXPECT_EQ(letters.NumSizes[1], 2);  // a refused declaration does not reach the tables

  // Commas that came in through quotes go back out in quotes, so the file stays readable.
  ASSERT_TRUE(ReadLetterSetText(letters, 2, "\"My, chart\"\r\n 1 , 1 , 20 \r\n 40 ,\" A,B\"\r\n"));
  EXPECT_EQ(Tie(letters.LetterSetName[2], letters.LetterLines[2][1][1], LetterSetFileText(letters, 2)),
            Tie("My, chart", "A,B", "\"My, chart\"\r\n 1 , 1 , 20 \r\n 40 ,\"A,B\"\r\n"));
}

TEST_F(DamagedFiles, UnreadableMonitorDataKeepsABackupAndTheSettings) {
  State state = Start();
  state.settings.LabelSize[1] = 17, state.monitors.MasterScaleX[1] = 2000;
  state.monitors.MasterScaleY[1] = 2000, state.settings.Mirror[1] = 0;
  SaveConfiguration(state);
  PutText(folder + "/lvmonitordata.cfg", " 1 \r\n 2 \r\n 0 \r\n 0 \r\n 1920 \r\n");

  State again = Start();
  // Kept; calibration will be asked for; the settings files were not overwritten, and their
  // mirror wins.
  EXPECT_EQ(Tie(BackupText(folder, "lvmonitordata.cfg"), again.monitors.MasterScaleX[1],
                again.monitors.MasterScaleY[1], again.settings.LabelSize[1],
                again.settings.Mirror[1], again.presets.PresetTable[1][1]),
            Tie(" 1 \r\n 2 \r\n 0 \r\n 0 \r\n 1920 \r\n", 0, 0, 17.0f, 0, "Letter"));
  // Rewritten whole, with the scales reset so the next start asks for calibration.
  const std::string rewritten = ReadText(folder + "/lvmonitordata.cfg");
  EXPECT_EQ(rewritten.substr(0, 10), " 1 \r\n 2 \r\n");
  EXPECT_NE(rewritten.find("\r\n 0 \r\n 0 \r\n 0 \r\n"), std::string::npos);
}

TEST(MonitorData, RecordCountsOutsideTheTablesAndMonitorsNoLongerAttached) {
  Monitors monitors;
  Settings settings;
  std::string text = " 3 \r\n 99 \r\n";
  for (int n = 1; n <= 10; ++n) text += " 1 \r\n 2 \r\n 3 \r\n 4 \r\n " + std::to_string(n) + " \r\n 9 \r\n 0 \r\n";
  EXPECT_TRUE(ReadMonitorDataText(monitors, settings, text));
  EXPECT_EQ(Tie(monitors.MonitorRecordCount, monitors.MasterScaleX[10], monitors.CurrentMonitor),
            Tie(10, 10, 3));
  EXPECT_EQ(monitors.MonitorRect[1], (MonitorRectangle{}));  // stored rectangles are kept apart
  EXPECT_EQ(monitors.SavedMonitorRect[1], (MonitorRectangle{0, 1, 2, 3, 4}));

  EXPECT_TRUE(ReadMonitorDataText(monitors, settings, " 0 \r\n-4 \r\n"));
  EXPECT_EQ(Tie(monitors.CurrentMonitor, monitors.MonitorRecordCount), Tie(1, 0));
  EXPECT_FALSE(ReadMonitorDataText(monitors, settings, " 2 \r\n"));

  monitors.CurrentMonitor = 3, monitors.NumberOfMonitors = 2;
  FakeConsoleHost host;
  EXPECT_TRUE(CheckMonitorCount(monitors, host));
  EXPECT_EQ(monitors.CurrentMonitor, 1);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(Tie(host.messages[0].title, host.messages[0].style), Tie("Monitor Not Detected!", 0x30));
  EXPECT_EQ(host.messages[0].message,
            "It appears that the number of installed monitors has changed,\\n\\n"
            "Reverting to the Primary Monitor.");
  EXPECT_FALSE(CheckMonitorCount(monitors, host));
  monitors.CurrentMonitor = 2;
  EXPECT_FALSE(CheckMonitorCount(monitors, host));
  EXPECT_EQ(host.messages.size(), 1u);
}

TEST(LetterSetWriting, EveryTextTheTablesHoldIsWrittenSoTheNextStartReadsIt) {
  const std::string base = "Two\r\n 1 , 2 , 20 \r\n 40 ,AB,CD\r\n";
  // A text the reader can give comes back exactly; one it cannot (a double quote that would
  // open or close a quoted field, a line end) comes back without what the format cannot hold.
  // (That it is from then on unchanged is the letter sets' fuzz harness's check.)
  const std::pair<std::string, std::string> cases[] = {
      {"\"AB", "AB"},         {"A,\"B", "A,B"},   {" lead", "lead"},  {"x\"y", "x\"y"},
      {"\"", ""},             {"A\r\nB", "AB"},   {"a,b", "a,b"},     {"\"q\",r", "q,r"},
      {"\ttab", "tab"},       {"plain", "plain"}};
  for (const auto& [text, readBack] : cases) {
    LetterSets letters;
    ASSERT_TRUE(ReadLetterSetText(letters, 2, base));
    letters.LetterLines[2][1][1] = text, letters.LetterSetName[2] = text;
    const std::string written = LetterSetFileText(letters, 2);
    LetterSets again;
    ASSERT_TRUE(ReadLetterSetText(again, 2, written)) << text << "\n" << written;
    EXPECT_EQ(again.LetterLines[2][1][1], readBack) << written;
    EXPECT_EQ(again.LetterLines[2][2][1], "CD") << written;  // the next field is untouched
  }
}

}  // namespace
}  // namespace lenvari
