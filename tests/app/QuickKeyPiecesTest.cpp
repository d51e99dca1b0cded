// The pure pieces of the quick keys: size stepping, the typed size, memory-key numbers, the
// shutters and pointer, the optotype keys and the configuration corner.

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
  SizeUp(chart, letters);
  EXPECT_EQ(chart.SizeNow, 2);

  chart = AtSize(0, 35, letters);
  SizeUp(chart, letters);
  EXPECT_EQ(chart.SizeNow, 6);  // 40
  chart = AtSize(0, 35, letters);
  SizeDown(chart, letters);
  EXPECT_EQ(chart.SizeNow, 5);  // 30
  // Equal to a standard size: "+" goes past it, "-" below it.
  chart = AtSize(0, 30, letters);
  SizeUp(chart, letters);
  EXPECT_EQ(chart.SizeNow, 6);
  chart = AtSize(0, 30, letters);
  SizeDown(chart, letters);
  EXPECT_EQ(chart.SizeNow, 4);
  // Beyond either end of the table.
  chart = AtSize(0, 90, letters);
  SizeUp(chart, letters);
  EXPECT_EQ(chart.SizeNow, 7);
  chart = AtSize(0, 5, letters);
  SizeDown(chart, letters);
  EXPECT_EQ(chart.SizeNow, 1);
}

TEST(SizeStepping, PageKeysStepByTheRowsShownOnlyWithTheGradient) {
  LetterSets letters = SevenSizes();
  ChartState chart = AtSize(2, 11, letters);
  chart.RowsShown = 3;
  SizeUpByRows(chart, letters);
  EXPECT_EQ(chart.SizeNow, 3);
  chart.Grad = 1;
  SizeUpByRows(chart, letters);
  EXPECT_EQ(chart.SizeNow, 6);
  SizeUpByRows(chart, letters);
  EXPECT_EQ(chart.SizeNow, 7);
  SizeDownByRows(chart, letters);
  EXPECT_EQ(chart.SizeNow, 4);
  SizeDownByRows(chart, letters);
  EXPECT_EQ(chart.SizeNow, 1);
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

TEST(SnellenEntry, DigitsCollectEnterOrAFifthInputAppliesAnythingElseCancels) {
  using Step = SnellenEntryStep;
  EXPECT_EQ(NextSnellenEntryStep("4", "0"), Step::Append);
  EXPECT_EQ(NextSnellenEntryStep("4", "."), Step::Append);
  EXPECT_EQ(NextSnellenEntryStep("4", "\r"), Step::Apply);
  EXPECT_EQ(NextSnellenEntryStep("4", "+"), Step::Cancel);
  EXPECT_EQ(NextSnellenEntryStep("4", ExtendedKey(keycode::F1)), Step::Cancel);
  EXPECT_EQ(NextSnellenEntryStep("12.5", "x"), Step::Apply);
  EXPECT_EQ(NextSnellenEntryStep("125", "7"), Step::Append);
  EXPECT_EQ(NextSnellenEntryStep("1257", "7"), Step::Apply);
}

TEST(SnellenEntry, AMatchSelectsTheSizeAWholeValueInRangeBecomesTheCustomSize) {
  LetterSets letters = SevenSizes();
  ChartState chart = AtSize(2, 11, letters);
  chart.Grad = 1;
  chart.VShutter = 999;
  ApplySnellenEntry(chart, letters, "40");
  EXPECT_EQ(chart.SizeNow, 6);
  EXPECT_EQ(chart.Grad, 1);

  ApplySnellenEntry(chart, letters, "35");
  EXPECT_EQ(chart.SizeNow, 0);
  EXPECT_EQ(chart.Grad, 0);
  EXPECT_EQ(chart.VShutter, 1);
  for (int f = 1; f <= kLetterSetFiles; ++f) EXPECT_EQ(letters.LetterSize[f][0], 35) << f;

  chart = AtSize(3, 11, letters);
  ApplySnellenEntry(chart, letters, "5");    // below 10
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
  for (int n = 1; n <= 10; ++n) {
    const std::string key = ExtendedKey(keycode::F1 + n - 1);
    EXPECT_TRUE(IsMemoryKey(key)) << n;
    EXPECT_EQ(MemoryKeyNumber(key), n);
  }
  EXPECT_EQ(MemoryKeyNumber(ExtendedKey(keycode::F11)), 11);
  EXPECT_EQ(MemoryKeyNumber(ExtendedKey(keycode::F12)), 12);
  EXPECT_EQ(MemoryKeyNumber("%"), 1);
  EXPECT_TRUE(IsMemoryKey(ExtendedKey(keycode::F12)));
  EXPECT_TRUE(IsMemoryKey("%"));
  for (int n = 1; n <= 12; ++n) {
    const std::string code(1, static_cast<char>(200 + n));
    EXPECT_TRUE(IsMemoryKey(code)) << n;
    EXPECT_EQ(MemoryKeyNumber(code), n);
  }
  EXPECT_FALSE(IsMemoryKey(std::string(1, static_cast<char>(200))));
  EXPECT_FALSE(IsMemoryKey(std::string(1, static_cast<char>(213))));
  EXPECT_FALSE(IsMemoryKey(ExtendedKey(keycode::Home)));
  EXPECT_FALSE(IsMemoryKey(ExtendedKey(AltLetterCode('z'))));
  // Two function keys in one buffer: the last one counts.
  const std::string two = ExtendedKey(keycode::F1) + ExtendedKey(keycode::F1 + 2);
  EXPECT_TRUE(IsMemoryKey(two));
  EXPECT_EQ(MemoryKeyNumber(two), 3);

  EXPECT_EQ(RemoteStoreNumber("ControlRemoteF01"), 1);
  EXPECT_EQ(RemoteStoreNumber("ControlRemoteF12"), 12);
  EXPECT_EQ(RemoteStoreNumber("ControlRemoteF13"), 0);
  EXPECT_EQ(RemoteStoreNumber("ControlRemoteF00"), 0);
  EXPECT_EQ(RemoteStoreNumber("ControlRemoteF1"), 0);
  EXPECT_EQ(RemoteStoreNumber("ControlRemoteF012"), 0);
  EXPECT_EQ(RemoteStoreNumber("controlRemoteF01"), 0);
}

TEST(ShutterKeys, RowsStepWithinTheirLimitsAndAltJumpsToTheEnds) {
  LetterSets letters = SevenSizes();
  ChartState chart = AtSize(3, 11, letters);
  chart.VShutter = 999;
  chart.RowsShown = 4;
  FewerRows(chart, 0, 4);
  EXPECT_EQ(chart.VShutter, 3);
  FewerRows(chart, 0, 4);
  FewerRows(chart, 0, 4);
  FewerRows(chart, 0, 4);
  EXPECT_EQ(chart.VShutter, 1);
  chart.VShutter = 5;
  FewerRows(chart, 1, 4);
  EXPECT_EQ(chart.VShutter, 1);

  chart.VShutter = 7;
  MoreRows(chart, letters, 0);
  MoreRows(chart, letters, 0);
  EXPECT_EQ(chart.VShutter, 8);
  chart.VShutter = 999;
  MoreRows(chart, letters, 0);
  EXPECT_EQ(chart.VShutter, 8);
  MoreRows(chart, letters, 1);
  EXPECT_EQ(chart.VShutter, 999);
  chart = AtSize(0, 22, letters);
  chart.VShutter = 1;
  MoreRows(chart, letters, 0);
  EXPECT_EQ(chart.VShutter, 2);
  EXPECT_EQ(chart.SizeNow, 4);
}

TEST(ShutterKeys, ColumnsStepWithinTheFileAndThePointerFollowsTheRoom) {
  ChartState chart;
  chart.HShutter = 999;
  FewerColumns(chart, 0, 5, 1);
  EXPECT_EQ(chart.HShutter, 4);
  MoreColumns(chart, 0, 5, 1);
  MoreColumns(chart, 0, 5, 1);
  EXPECT_EQ(chart.HShutter, 5);
  chart.HShutter = 999;
  MoreColumns(chart, 0, 5, 1);
  EXPECT_EQ(chart.HShutter, 5);
  MoreColumns(chart, 1, 5, 1);
  EXPECT_EQ(chart.HShutter, 999);
  FewerColumns(chart, 1, 5, 1);
  EXPECT_EQ(chart.HShutter, 1);
  FewerColumns(chart, 0, 5, 1);
  EXPECT_EQ(chart.HShutter, 1);

  chart.VShutter = 999;
  PointerKey(chart);
  EXPECT_EQ(chart.PointerMode, 1);
  EXPECT_EQ(chart.VShutter, 1);
  PointerKey(chart);
  EXPECT_EQ(chart.PointerMode, 2);
  // Direct view: Right moves on, Left back, and back from 1 wraps to the far end.
  MoreColumns(chart, 0, 5, 1);
  EXPECT_EQ(chart.PointerMode, 3);
  EXPECT_EQ(chart.HShutter, 1);
  chart.PointerMode = 1;
  FewerColumns(chart, 0, 5, 1);
  EXPECT_EQ(chart.PointerMode, 999);
  // Mirrored room: the keys swap.
  chart.PointerMode = 1;
  MoreColumns(chart, 0, 5, -1);
  EXPECT_EQ(chart.PointerMode, 999);
  chart.PointerMode = 2;
  FewerColumns(chart, 0, 5, -1);
  EXPECT_EQ(chart.PointerMode, 3);
}

TEST(ChartModeKeys, OptotypeCycleImagesLetterFilesAndLines) {
  ChartState chart;
  chart.Mode = "Letter";
  chart.LetterSetFileNum = 6;
  const struct {
    const char* mode;
    int file;
  } cycle[] = {{"Letter", 8}, {"TumblingE", 6}, {"LandoltC", 6}, {"Letter", 7}, {"Letter", 8}};
  for (const auto& step : cycle) {
    OptotypeCycle(chart);
    EXPECT_EQ(chart.Mode, step.mode);
    EXPECT_EQ(chart.LetterSetFileNum, step.file);
  }
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
  EXPECT_FALSE(IsConfigurationCorner(-2157, -1182, 1920, 1080, 400, 400));
  EXPECT_FALSE(IsConfigurationCorner(2157, 1182, 1920, 1080, 400, 400));
  // An uncalibrated monitor does not divide by zero.
  EXPECT_FALSE(IsConfigurationCorner(0, 0, 1920, 1080, 0, 0));
}

}  // namespace
}  // namespace lenvari
