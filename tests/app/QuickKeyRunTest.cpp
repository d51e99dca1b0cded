// The quick keys through the real program: key scripts on fresh, calibrated data folders,
// checked in the chart state each drawn frame leaves.

#include <gtest/gtest.h>

#include <QJsonArray>

#include "support/ProgramRun.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

ProgramRunResult RunKeys(const std::string& keys, const std::string& dataDir = "") {
  return RunWell(ScriptRequest(keys, dataDir));
}

QJsonArray MonitorText(const ProgramRunResult& run, int n) {
  return run.FrameState(n)["MonitorText"].toArray();
}

TEST(QuickKeyRun, OptotypeModesSpecialTargetsAndChartToggles) {
  const ProgramRunResult run = RunKeys("j^l^^^^eecphlxxd*waa{Alt+L}bmgK");
  ASSERT_EQ(run.FrameCount(), 26);
  ExpectFrame(run, 1, {{"Mode", "Letter"}, {"LetterSetFileNum", 6}, {"SizeNow", 6}});
  // The cross-cylinder target finds its size 30 in the file; "^" leaves a special target be.
  ExpectFrame(run, 2, {{"Mode", "JacksonCross"}, {"SizeNow", 5}});
  ExpectFrame(run, 3, {{"Mode", "JacksonCross"}, {"LetterSetFileNum", 6}});
  ExpectFrame(run, 4, {{"Mode", "Letter"}, {"LetterSetFileNum", 6}});
  // The "^" cycle.
  ExpectFrame(run, 5, {{"Mode", "Letter"}, {"LetterSetFileNum", 8}});
  ExpectFrame(run, 6, {{"Mode", "TumblingE"}, {"LetterSetFileNum", 6}});
  ExpectFrame(run, 7, {{"Mode", "LandoltC"}, {"LetterSetFileNum", 6}});
  ExpectFrame(run, 8, {{"Mode", "Letter"}, {"LetterSetFileNum", 7}});
  ExpectFrame(run, 9, {{"Mode", "TumblingE"}});
  ExpectFrame(run, 10, {{"Mode", "LandoltC"}});
  ExpectFrame(run, 11, {{"Mode", "LandoltC"}});
  ExpectFrame(run, 12, {{"Mode", "Letter"}, {"LetterSetFileNum", 8}});
  ExpectFrame(run, 13, {{"Mode", "Letter"}, {"LetterSetFileNum", 2}, {"LetterSet", 1}});
  ExpectFrame(run, 14, {{"Mode", "Letter"}, {"LetterSetFileNum", 3}});
  ExpectFrame(run, 15, {{"Mode", "Image"}, {"ImageNum", 1}});
  ExpectFrame(run, 16, {{"Mode", "Image"}, {"ImageNum", 2}});
  ExpectFrame(run, 17, {{"Mode", "Disparity"}});
  ExpectFrame(run, 18, {{"Mode", "StrongLight"}});
  ExpectFrame(run, 19, {{"Mode", "WorthDot"}});
  ExpectFrame(run, 20, {{"Mode", "AstigmaticClockDial"}});
  // "a" on the dial draws it once more, as the chart, with no pass redraw.
  ExpectFrame(run, 21, {{"Mode", "AstigmaticClockDial"}, {"LetterSetFileNum", 3}});
  EXPECT_EQ(run.Frame(20), run.Frame(21));
  ExpectFrame(run, 22, {{"Mode", "Letter"}, {"LetterSetFileNum", 3}, {"RG", 0}});
  ExpectFrame(run, 23, {{"RG", 1}, {"Mask", 0}});
  ExpectFrame(run, 24, {{"RG", 1}, {"Mask", 1}, {"Grad", 1}});
  ExpectFrame(run, 25, {{"Grad", 0}});
  ExpectFrame(run, 26, {{"JustOneLetter", "K"}, {"HShutter", 1}, {"VShutter", 1}});
  // The letter stands alone in the centre, on the red/green halves, with the mask around.
  const QImage last = run.Frame(26);
  EXPECT_EQ(Tie(last.pixelColor(860, 440), last.pixelColor(1060, 440), last.pixelColor(300, 300),
                MonitorText(run, 26).size()),
            Tie(QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 0), 1));
}

TEST(QuickKeyRun, ShuttersPointerInDirectAndMirroredRoomsAndSleep) {
  const ProgramRunResult run = RunKeys(
      "/=.|{Down}{Up}{Alt+Down}{Alt+Up}{End}{Home}{Left}{Right}{Right}#$ "
      "u{Right}{Left}{Left}+{Ctrl+R}u{Left}{Right}{Right}z");
  ASSERT_EQ(run.FrameCount(), 28);
  const FrameFields shutters[] = {
      {{"HShutter", 999}, {"VShutter", 999}},  // start: preset 1
      {{"HShutter", 1}, {"VShutter", 999}},    // "/"
      {{"HShutter", 999}, {"VShutter", 1}},    // "="
      {{"HShutter", 1}, {"VShutter", 1}},      // "."
      {{"HShutter", 999}, {"VShutter", 999}},  // "|"
      {{"VShutter", 3}},                       // Down from all 4 rows shown
      {{"VShutter", 4}},                       // Up
      {{"VShutter", 1}},                       // Alt+Down
      {{"VShutter", 999}},                     // Alt+Up
      {{"HShutter", 999}, {"VShutter", 1}},    // End
      {{"HShutter", 999}, {"VShutter", 999}},  // Home
      {{"HShutter", 4}},                       // Left from all 5 columns
      {{"HShutter", 5}},                       // Right
      {{"HShutter", 5}},                       // Right: no more columns
      {{"HShutter", 4}},                       // "#"
      {{"HShutter", 5}},                       // "$"
      {{"LetterSet", 2}, {"JustOneLetter", ""}},  // space: next line
  };
  for (int i = 0; i < 17; ++i) ExpectFrame(run, i + 1, shutters[i]);
  // Pointer in a direct room: Right moves on, Left back, back from 1 wraps to the last optotype.
  ExpectFrame(run, 18, {{"PointerMode", 1}, {"VShutter", 1}, {"Mirror", 1}});
  ExpectFrame(run, 19, {{"PointerMode", 2}, {"HShutter", 5}});
  ExpectFrame(run, 20, {{"PointerMode", 1}});
  ExpectFrame(run, 21, {{"PointerMode", 5}});
  ExpectFrame(run, 22, {{"PointerMode", 0}, {"SizeNow", 7}});  // any other key ends it
  // Mirrored room: the arrows swap.
  ExpectFrame(run, 23, {{"Mirror", -1}, {"PointerMode", 0}});
  ExpectFrame(run, 24, {{"PointerMode", 1}});
  ExpectFrame(run, 25, {{"PointerMode", 2}});
  ExpectFrame(run, 26, {{"PointerMode", 1}});
  ExpectFrame(run, 27, {{"PointerMode", 5}});
  // Sleep: a black screen.
  const QImage sleep = run.Frame(28);
  for (const QPoint& p : {QPoint(0, 0), QPoint(960, 540), QPoint(1919, 1079), QPoint(30, 1050)})
    EXPECT_EQ(sleep.pixelColor(p), QColor(Qt::black)) << p.x() << "," << p.y();
}

TEST(QuickKeyRun, SizeKeysAndTypedSnellenSizes) {
  // File 6 has the sizes 10, 15, 20, 25, 30, 40, 50, 60, 70, 80, 100, 200, 400 (1 .. 13).
  const ProgramRunResult run =
      RunKeys("+-{PgUp}{PgDn}40{Enter}35{Enter}+35{Enter}-5{Enter}4x35{Enter}{Up}g12345");
  ASSERT_EQ(run.FrameCount(), 15);
  ExpectFrame(run, 2, {{"SizeNow", 7}});
  ExpectFrame(run, 3, {{"SizeNow", 6}, {"RowsShown", 4}});
  ExpectFrame(run, 4, {{"SizeNow", 10}});  // PgUp with the gradient: by the 4 rows shown
  ExpectFrame(run, 5, {{"SizeNow", 7}, {"RowsShown", 4}});  // PgDn: by the 3 rows then shown
  ExpectFrame(run, 6, {{"SizeNow", 6}});                    // "40" Enter
  // "35" Enter: no such size, so the custom size 35 on one row without gradient.
  ExpectFrame(run, 7,
              {{"SizeNow", 0}, {"CustomSize", 35}, {"VShutter", 1}, {"Grad", 0}});
  ExpectFrame(run, 8, {{"SizeNow", 6}});  // "+" from 35 gives 40
  ExpectFrame(run, 9, {{"SizeNow", 0}});
  ExpectFrame(run, 10, {{"SizeNow", 5}});  // "-" from 35 gives 30
  ExpectFrame(run, 11, {{"SizeNow", 5}, {"CustomSize", 35}});  // "5" Enter: drawn, unchanged
  // "4" then "x" cancels the entry without drawing, and the "x" is not carried out.
  ExpectFrame(run, 12, {{"SizeNow", 0}, {"Mode", "Letter"}});
  ExpectFrame(run, 13, {{"SizeNow", 6}, {"VShutter", 2}});  // Up leaves the custom size
  ExpectFrame(run, 14, {{"Grad", 1}});
  // A fifth character applies the first four: 1234 is beyond the file, so nothing changes.
  ExpectFrame(run, 15, {{"SizeNow", 6}, {"Grad", 1}, {"Mode", "Letter"}});
}

TEST(QuickKeyRun, MemoryKeysRemoteInputsAndStoredPresetsSurviveARestart) {
  const std::string data = FreshFolder("data");
  ProgramRunResult run = RunKeys(
      "+m{Ctrl+F3}%{F3}{Backspace}{Backspace}{Backspace}{Enter}{Burst:ControlRemoteF12}"
      "{Remote:m5}",
      data);
  ASSERT_EQ(run.FrameCount(), 12);
  ExpectFrame(run, 4, {{"CurrentMemory", 3}, {"SizeNow", 7}, {"Mask", 1}});  // Ctrl+F3
  ExpectFrame(run, 5, {{"CurrentMemory", 1}, {"SizeNow", 6}, {"Mask", 0},
                       {"ShowMemoryNumber", 1}});  // "%"
  ExpectFrame(run, 6, {{"CurrentMemory", 3}, {"SizeNow", 7}, {"Mask", 1}});  // F3
  ExpectFrame(run, 7, {{"CurrentMemory", 2}});
  ExpectFrame(run, 8, {{"CurrentMemory", 1}});
  ExpectFrame(run, 9, {{"CurrentMemory", 36}, {"Mode", "StrongLight"}});
  ExpectFrame(run, 10, {{"CurrentMemory", 1}, {"Mode", "Letter"}});
  ExpectFrame(run, 11, {{"CurrentMemory", 12}, {"Foreground", 0}, {"ShowMemoryNumber", 0}});
  // The virtual remote's "m5" recalls preset 5 as F5 would.
  ExpectFrame(run, 12, {{"CurrentMemory", 5}, {"LetterSet", 2}, {"LetterSetFileNum", 7},
                        {"Mask", 1}});
  // (Keys taken together, each carried out: the input wait's and the receiver's tests.)

  // Built-in preset 12 has Foreground 90; the stored one and preset 3 come back after a restart.
  run = RunKeys("{F3}{F12}", data);
  ASSERT_EQ(run.FrameCount(), 3);
  ExpectFrame(run, 2, {{"CurrentMemory", 3}, {"SizeNow", 7}, {"Mask", 1}});
  ExpectFrame(run, 3, {{"CurrentMemory", 12}, {"SizeNow", 6}, {"Foreground", 0}});
}

TEST(QuickKeyRun, TimedRandomizeSettingsDumpAndContrastLadder) {
  const ProgramRunResult run = RunKeys("tr+{Ctrl+W}ab[[[[]]]]]]]");
  // "t" shuffles and starts the clock; "r", what the clock sends after TimerDelay (its firing
  // is the input wait's own test), shuffles again; "+" stops it. The dump redraws nothing and
  // its two keys are not carried out. (Keys that match nothing are the dispatch's own test.)
  ASSERT_EQ(run.FrameCount(), 15);
  ExpectFrame(run, 2, {{"TimedRandom", 1}, {"SizeNow", 6}});
  ExpectFrame(run, 3, {{"SizeNow", 6}});
  EXPECT_NE(MonitorText(run, 3), MonitorText(run, 2));
  ExpectFrame(run, 4, {{"TimedRandom", 0}, {"SizeNow", 7}, {"Mode", "Letter"}, {"RG", 0}});
  // The contrast ladder at AccessibleContrast 10: down to 97 and no further, then back to black.
  const int ladder[] = {90, 95, 97, 97, 95, 90, 80, 70, 60, 50, 0};
  for (int i = 0; i < 11; ++i) ExpectFrame(run, 5 + i, {{"Foreground", ladder[i]}});
  // Each frame names its level and the Weber contrast of its grey (worked out in the readout's
  // own test).
  EXPECT_EQ(run.FrameState(5)["NominalContrast"].toInt(), 10);
  EXPECT_NEAR(run.FrameState(5)["WeberContrast"].toDouble(), 21.65, 0.005);

  // The dump's first page, under the build's date and time (the second page has a test of
  // its own).
  const size_t at = run.output.find("\nComplie time: ", run.output.find("Compiled on: "));
  ASSERT_NE(at, std::string::npos) << run.output;
  EXPECT_NE(run.output.find(
                "\n Current Settings\n Testing Distance : 20 feet\n Current Memory # :  1\n"
                " SizeNow&         :  7\n Mode$            : Letter\n LetterSet&       :  1\n"
                " Grad&            :  1\n RG&              :  0\n HShutter         :  999\n"
                " VShutter&        :  999\n Mask&            :  0\n JustOneLetter$   : \n"
                " LetterSize!      :  50\n Foreground&      :  0\n Background&      :  63\n"
                " WorthDot Size    :  40\n WorthDot Mode    :  4\n Smoothing Flag   :  1\n"
                "PRESS A KEY FOR MORE\n LetterSetFileNum&:  6\n LetterSetName$   : ETDRS Standard\n"
                " MaxVShutter&     :  4\n DispFlag&        :  0\n Master Scale X   :  400\n"
                " Master Scale Y   :  400\n Current Run Time : ", at),
            std::string::npos)
      << run.output.substr(at);
}

}  // namespace
}  // namespace lenvari
