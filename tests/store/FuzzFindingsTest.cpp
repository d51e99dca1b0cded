// Inputs the readers' fuzzers found (scripts/fuzz.sh), cut down to their point: each read a
// value that a save wrote back as something the next start read differently. That the written
// text then reads and writes the same is the harnesses' own check; these inputs are among
// their seeds (fuzz/seeds.cpp).

#include <gtest/gtest.h>

#include "store/LetterSetFiles.h"
#include "store/PresetFile.h"
#include "store/SettingsFiles.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

TEST(FuzzFindings, TimerDelayIsUsedAsTheFileCanHoldIt) {
  // "###.#" holds tenths: 0.51 s ran as 0.51 s, was saved as "  0.5" beside " 0.51 " for the
  // other key, and the next start ran 0.5 s. Out of range it is clamped to 0.1 .. 999.9 s.
  for (const auto& [given, used, line] :
       {std::tuple{".51", 0.5f, "  0.5"}, {"2.25", 2.2f, "  2.2"}, {"2.26", 2.3f, "  2.3"},
        {"12.5", 12.5f, " 12.5"}, {"0.04", 0.1f, "  0.1"}, {"0.01", 0.1f, "  0.1"},
        {"-3", 0.1f, "  0.1"}, {"1500", 999.9f, "999.9"}, {"1e9", 999.9f, "999.9"}}) {
    State state;
    state.monitors.CurrentMonitor = 1;
    ReadSettingsText(state.settings, state.monitors, 1,
                     std::string("TimerDelay!:\r\n") + given + "\r\n");
    EXPECT_EQ(state.settings.TimerDelay, used) << given;
    const std::string written = SettingsFileText(state.settings, state.monitors, 1);
    EXPECT_NE(written.find(std::string("TimerDelay!:\r\n") + line + "\r\n"), std::string::npos)
        << given;
  }
}

TEST(FuzzFindings, PresetTextsThatBeginWithABlankOrAQuoteComeBack) {
  Presets presets;
  const std::string hostile[] = {" A", "   ", "\"B\"C", "\t\"D"};
  for (size_t i = 0; i < std::size(hostile); ++i) presets.PresetTable[1 + i][8] = hostile[i];
  presets.PresetTable[5][1] = " Letter", presets.PresetTable[5][20] = "\"spare\" one\r\nline";
  presets.PresetTable[6][6] = " 999";  // a number as a store writes it stays as it is
  const std::string written = PresetFileText(presets);
  EXPECT_NE(written.find("\r\n\" A\"\r\n"), std::string::npos);
  EXPECT_NE(written.find("\r\n\"spare oneline\"\r\n"), std::string::npos);
  EXPECT_NE(written.find("\r\n 999\r\n"), std::string::npos);
  Presets again;
  ASSERT_EQ(ReadPresetText(again, written), kPresetCount * kPresetFields);
  EXPECT_EQ(Tie(again.PresetTable[1][8], again.PresetTable[2][8]), Tie(" A", "   "));
  EXPECT_EQ(again.PresetTable[3][8], "BC");  // no quote fits inside quotes; nothing shifts
  EXPECT_EQ(Tie(again.PresetTable[5][1], again.PresetTable[6][6]), Tie(" Letter", "999"));

  // A number in quotes with blanks before it was kept with them, written bare and read back
  // as another text; a tab before a quote made a text that began with a quote.
  std::string file = written;
  file.replace(file.find("\r\n 999\r\n"), 8, "\r\n\"   7\"\r\n");
  Presets read;
  ASSERT_EQ(ReadPresetText(read, file), kPresetCount * kPresetFields);
  EXPECT_EQ(Tie(read.PresetTable[6][6], read.PresetTable[4][8]), Tie("7", "D"));
}

TEST(FuzzFindings, ALetterLineAfterATabAndAQuoteReadsAsQuoted) {
  LetterSets letters;
  ASSERT_TRUE(ReadLetterSetText(letters, 3, "Set\r\n 2 , 2 , 20 \r\n 40 ,\t \"0 5\",AB\r\n"
                                            " 20 ,\t\t\"C,D\" ,\tEF\r\n"));
  EXPECT_EQ(Tie(letters.LetterLines[3][1][2], letters.LetterLines[3][1][1], letters.LetterLines[3][2][1]),
            Tie("0 5", "C,D", "EF"));
}

}  // namespace
}  // namespace lenvari
