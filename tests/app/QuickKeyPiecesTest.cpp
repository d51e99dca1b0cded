// The edges of the quick keys that a key script does not reach: custom sizes between and beyond
// the table, typed sizes that round, memory-key numbers, wrap-arounds and the configuration corner.

#include <gtest/gtest.h>

#include "app/ChartModeKeys.h"
#include "app/MemoryKeys.h"
#include "app/ProgramCommands.h"
#include "app/ShutterKeys.h"
#include "app/SizeStepping.h"
#include "app/SnellenEntry.h"
#include "platform/KeyTranslation.h"

namespace lenvari {
namespace {

constexpr int kFile = 3;

// File 3 with the sizes 10, 15, 20, 25, 30, 40, 50 (index 1 the smallest).
LetterSets SevenSizes() {
  LetterSets letters;
  const float sizes[] = {10, 15, 20, 25, 30, 40, 50};
  letters.NumSizes[kFile] = 7;
  for (int i = 1; i <= 7; ++i) letters.LetterSize[kFile][i] = sizes[i - 1];
  for (int f = 1; f <= kLetterSetFiles; ++f) letters.LetterSize[f][0] = 11;
  letters.MaxColumns[kFile] = 5;
  letters.NumLetterSets[kFile] = 3;
  return letters;
}

ChartState AtSize(int size, float custom, LetterSets& letters) {
  ChartState chart;
  chart.LetterSetFileNum = kFile;
  chart.SizeNow = size;
  letters.LetterSize[kFile][0] = custom;
  return chart;
}

TEST(SizeStepping, PlusAndMinusStayWithinTheFileAndLeaveTheCustomSizeToItsNeighbours) {
  LetterSets letters = SevenSizes();
  ChartState chart = AtSize(7, 11, letters);
  SizeUp(chart, letters);
  EXPECT_EQ(chart.SizeNow, 7);
  chart.SizeNow = 1;
  SizeDown(chart, letters);
  EXPECT_EQ(chart.SizeNow, 1);
  // Equal to a standard size: "+" goes past it, "-" below it; beyond the table, to its end.
  const struct {
    float custom;
    bool up;
    int expected;
  } cases[] = {{30, true, 6}, {30, false, 4}, {90, true, 7}, {5, false, 1}};
  for (const auto& c : cases) {
    chart = AtSize(0, c.custom, letters);
    c.up ? SizeUp(chart, letters) : SizeDown(chart, letters);
    EXPECT_EQ(chart.SizeNow, c.expected) << c.custom << (c.up ? " +" : " -");
  }
}

TEST(SizeStepping, PageKeysStepByTheRowsShownOnlyWithTheGradient) {
  LetterSets letters = SevenSizes();
  ChartState chart = AtSize(2, 11, letters);
  chart.RowsShown = 3;
  SizeUpByRows(chart, letters);
  EXPECT_EQ(chart.SizeNow, 3);
  chart.Grad = 1;
  SizeUpByRows(chart, letters);
  SizeUpByRows(chart, letters);
  EXPECT_EQ(chart.SizeNow, 7);
  chart = AtSize(0, 22, letters);
  chart.Grad = 1;
  chart.RowsShown = 3;
  SizeUpByRows(chart, letters);
  EXPECT_EQ(chart.SizeNow, 4);  // 25: the custom size is left like "+" does
  chart = AtSize(0, 22, letters);
  SizeDownByRows(chart, letters);
  EXPECT_EQ(chart.SizeNow, 3);

  chart = AtSize(0, 22, letters);
  LeaveCustomSizeUpward(chart, letters);
  EXPECT_EQ(chart.SizeNow, 4);
  LeaveCustomSizeUpward(chart, letters);
  EXPECT_EQ(chart.SizeNow, 4);
}

TEST(SnellenEntry, AMatchSelectsTheSizeAWholeValueInRangeBecomesTheCustomSize) {
  LetterSets letters = SevenSizes();
  ChartState chart = AtSize(2, 11, letters);
  chart.Grad = 1;
  chart.VShutter = 999;
  ApplySnellenEntry(chart, letters, "35");
  for (int f = 1; f <= kLetterSetFiles; ++f) EXPECT_EQ(letters.LetterSize[f][0], 35) << f;

  chart = AtSize(3, 11, letters);
  ApplySnellenEntry(chart, letters, "60");   // beyond the largest size
  ApplySnellenEntry(chart, letters, "abc");  // no number
  EXPECT_EQ(chart.SizeNow, 3);
  EXPECT_EQ(letters.LetterSize[kFile][0], 11);

  ApplySnellenEntry(chart, letters, "12.5");  // rounds half to even
  EXPECT_EQ(letters.LetterSize[kFile][0], 12);
  ApplySnellenEntry(chart, letters, "9.5");
  EXPECT_EQ(letters.LetterSize[kFile][0], 10);

  letters.LetterSize[kFile][2] = 6.3f;  // a size that is not exact in binary
  ApplySnellenEntry(chart, letters, "6.3");
  EXPECT_EQ(chart.SizeNow, 2);
}

TEST(MemoryKeys, FunctionKeysPercentAndRemoteCodesNameTheirPresets) {
  EXPECT_EQ(MemoryKeyNumber(ExtendedKey(keycode::F1 + 9)), 10);
  EXPECT_EQ(MemoryKeyNumber(ExtendedKey(keycode::F11)), 11);
  EXPECT_EQ(MemoryKeyNumber(std::string(1, static_cast<char>(212))), 12);
  for (const std::string& other :
       {std::string(1, static_cast<char>(200)), std::string(1, static_cast<char>(213)),
        ExtendedKey(keycode::Home)})
    EXPECT_FALSE(IsMemoryKey(other));
  // Two function keys in one buffer: the last one counts.
  const std::string two = ExtendedKey(keycode::F1) + ExtendedKey(keycode::F1 + 2);
  EXPECT_TRUE(IsMemoryKey(two));
  EXPECT_EQ(MemoryKeyNumber(two), 3);

  EXPECT_EQ(RemoteStoreNumber("ControlRemoteF01"), 1);
  for (const char* other : {"ControlRemoteF13", "ControlRemoteF00", "ControlRemoteF1",
                            "ControlRemoteF012", "controlRemoteF01"})
    EXPECT_EQ(RemoteStoreNumber(other), 0) << other;
}

TEST(ShutterKeys, AltJumpsTheColumnsToTheEnds) {
  ChartState chart;
  chart.HShutter = 3;
  MoreColumns(chart, 1, 5, 1);
  EXPECT_EQ(chart.HShutter, 999);
  FewerColumns(chart, 1, 5, 1);
  EXPECT_EQ(chart.HShutter, 1);
  FewerColumns(chart, 0, 5, 1);
  EXPECT_EQ(chart.HShutter, 1);
}

TEST(ChartModeKeys, CycleImagesLetterFilesAndLinesWrapAround) {
  ChartState chart;
  chart.LetterSetFileNum = 8;
  chart.Mode = "WorthDot";
  OptotypeCycle(chart);
  EXPECT_EQ(chart.Mode, "WorthDot");
  EXPECT_EQ(chart.LetterSetFileNum, 8);

  chart.ImageNum = 36;
  ImageKey(chart);
  EXPECT_EQ(chart.Mode, "Image");
  EXPECT_EQ(chart.ImageNum, 36);  // entering the image mode keeps the slot
  ImageKey(chart);
  EXPECT_EQ(chart.ImageNum, 1);

  LetterSets letters = SevenSizes();
  letters.NumLetterSets[4] = 1;
  chart.LetterSetFileNum = kFile;
  chart.LetterSet = 3;
  chart.JustOneLetter = "K";
  LetterSetFileKey(chart, letters);  // from the image: letters again, same file
  EXPECT_EQ(chart.Mode, "Letter");
  EXPECT_EQ(chart.LetterSetFileNum, kFile);
  EXPECT_EQ(chart.JustOneLetter, "");
  LetterSetFileKey(chart, letters);
  EXPECT_EQ(chart.LetterSetFileNum, 4);
  EXPECT_EQ(chart.LetterSet, 1);  // file 4 has one line only
  chart.LetterSetFileNum = 10;
  LetterSetFileKey(chart, letters);
  EXPECT_EQ(chart.LetterSetFileNum, 1);

  chart.LetterSetFileNum = kFile;
  chart.LetterSet = 2;
  NextLine(chart, letters);
  EXPECT_EQ(chart.LetterSet, 3);
  NextLine(chart, letters);
  EXPECT_EQ(chart.LetterSet, 1);
}

TEST(ProgramCommands, OnlyAClickInTheTopRightCornerOpensTheConfiguration) {
  // 1920 x 1080 at scale 400: the corner begins beyond x = 2156 and above y = -1181.
  EXPECT_TRUE(IsConfigurationCorner(2157, -1182, 1920, 1080, 400, 400));
  EXPECT_FALSE(IsConfigurationCorner(2156, -1182, 1920, 1080, 400, 400));
  EXPECT_FALSE(IsConfigurationCorner(2157, -1181, 1920, 1080, 400, 400));
  // An uncalibrated monitor does not divide by zero.
  EXPECT_FALSE(IsConfigurationCorner(0, 0, 1920, 1080, 0, 0));
}

}  // namespace
}  // namespace lenvari
