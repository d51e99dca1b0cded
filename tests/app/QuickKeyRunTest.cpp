// The quick keys through the real program: key scripts on fresh, calibrated data folders,
// checked in the chart state each drawn frame leaves.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QJsonArray>
#include <QStringList>

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

// One field of frames first .. last, joined by blanks: a key sequence's effect in one line.
std::string Column(const ProgramRunResult& run, const char* field, int first, int last) {
  QStringList values;
  for (int n = first; n <= last; ++n) values << run.FrameState(n)[field].toVariant().toString();
  return values.join(' ').toStdString();
}

TEST(QuickKeyRun, OptotypeModesSpecialTargetsAndChartToggles) {
  const ProgramRunResult run = RunKeys("j^l^^^^eecphlxxd*waa{Alt+L}bmgK");
  ASSERT_EQ(run.FrameCount(), 26);
  // The cross-cylinder target (2) finds its size 30 in the file; "^" leaves a special target be;
  // then the "^" cycle (5 .. 12), letter files, images, the special targets; "a" on the dial
  // (21) draws it once more (the kept copy is the partial repaint's test).
  EXPECT_EQ(Column(run, "Mode", 1, 22),
            "Letter JacksonCross JacksonCross Letter Letter TumblingE LandoltC Letter TumblingE "
            "LandoltC LandoltC Letter Letter Letter Image Image Disparity StrongLight WorthDot "
            "AstigmaticClockDial AstigmaticClockDial Letter");
  EXPECT_EQ(Column(run, "LetterSetFileNum", 1, 22),
            "6 6 6 6 8 6 6 7 7 7 7 8 2 3 3 3 3 3 3 3 3 3");
  EXPECT_EQ(Tie(Column(run, "SizeNow", 1, 2), Column(run, "ImageNum", 15, 16)), Tie("6 5", "1 2"));
  ExpectFrame(run, 13, {{"LetterSet", 1}});
  ExpectFrame(run, 22, {{"RG", 0}});
  ExpectFrame(run, 23, {{"RG", 1}, {"Mask", 0}});
  ExpectFrame(run, 24, {{"RG", 1}, {"Mask", 1}, {"Grad", 1}});
  ExpectFrame(run, 25, {{"Grad", 0}});
  ExpectFrame(run, 26, {{"JustOneLetter", "K"}, {"HShutter", 1}, {"VShutter", 1}});
  EXPECT_EQ(MonitorText(run, 26).size(), 1);  // the letter stands alone
}

TEST(QuickKeyRun, ShuttersPointerInDirectAndMirroredRoomsAndSleep) {
  const ProgramRunResult run = RunKeys(
      "/=.|{Down}{Up}{Alt+Down}{Alt+Up}{End}{Home}{Left}{Right}{Right}#$ "
      "u{Right}{Left}{Left}+{Ctrl+R}u{Left}{Right}{Right}z");
  ASSERT_EQ(run.FrameCount(), 28);
  // "/", "=", ".", "|"; Down and Up from all 4 rows shown, Alt+Down, Alt+Up, End, Home; Left
  // and Right from all 5 columns, Right again (no more columns), "#", "$".
  EXPECT_EQ(Column(run, "HShutter", 1, 16), "999 1 999 1 999 999 999 999 999 999 999 4 5 5 4 5");
  EXPECT_EQ(Column(run, "VShutter", 1, 16), "999 999 1 1 999 3 4 1 999 1 999 999 999 999 999 999");
  ExpectFrame(run, 17, {{"LetterSet", 2}, {"JustOneLetter", ""}});  // space: next line
  // Pointer in a direct room (18 .. 22): Right moves on, Left back, back from 1 wraps to the last
  // optotype, any other key ends it. Mirrored (23 .. 27): the arrows swap.
  EXPECT_EQ(Column(run, "PointerMode", 18, 27), "1 2 1 5 0 0 1 2 1 5");
  EXPECT_EQ(Tie(Column(run, "Mirror", 18, 23), run.FrameState(22)["SizeNow"].toInt()),
            Tie("1 1 1 1 1 -1", 7));
  ExpectFrame(run, 18, {{"VShutter", 1}});
  ExpectFrame(run, 19, {{"HShutter", 5}});
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
  // "+", "-"; PgUp with the gradient by the 4 rows shown, PgDn by the 3 rows then shown; "40"
  // Enter; "35" Enter, no such size: the custom size 35; "+" from 35 gives 40, "-" from 35
  // gives 30; "5" Enter: drawn, unchanged; "4" then "x" cancels the entry without drawing, and
  // the "x" is not carried out; Up leaves the custom size; "g"; a fifth character applies the
  // first four: 1234 is beyond the file, so nothing changes.
  EXPECT_EQ(Column(run, "SizeNow", 2, 15), "7 6 10 7 6 0 6 0 5 5 0 6 6 6");
  EXPECT_EQ(Column(run, "Grad", 7, 15), "0 0 0 0 0 0 0 1 1");
  // On one row without gradient.
  ExpectFrame(run, 7, {{"CustomSize", 35}, {"VShutter", 1}});
  ExpectFrame(run, 11, {{"CustomSize", 35}});
  ExpectFrame(run, 13, {{"VShutter", 2}});
  EXPECT_EQ(Column(run, "Mode", 12, 15), "Letter Letter Letter Letter");
}

TEST(QuickKeyRun, MemoryKeysRemoteInputsAndStoredPresetsSurviveARestart) {
  const std::string data = FreshFolder("data");
  ProgramRunResult run = RunKeys(
      "+m{Ctrl+F3}%{F3}{Backspace}{Backspace}{Backspace}{Enter}{Burst:ControlRemoteF12}"
      "{Remote:m5}",
      data);
  ASSERT_EQ(run.FrameCount(), 12);
  // Ctrl+F3, "%", F3, Backspace three times, Enter, the remote's word for 12, its "m5".
  EXPECT_EQ(Column(run, "CurrentMemory", 4, 12), "3 1 3 2 1 36 1 12 5");
  EXPECT_EQ(Tie(Column(run, "SizeNow", 4, 6), Column(run, "Mask", 4, 6)), Tie("7 6 7", "1 0 1"));
  EXPECT_EQ(Tie(Column(run, "Mode", 9, 10), Column(run, "ShowMemoryNumber", 5, 11)),
            Tie("StrongLight Letter", "1 1 1 1 1 1 0"));
  ExpectFrame(run, 11, {{"Foreground", 0}});
  // The virtual remote's "m5" recalls preset 5 as F5 would.
  ExpectFrame(run, 12, {{"LetterSet", 2}, {"LetterSetFileNum", 7}, {"Mask", 1}});
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
  EXPECT_EQ(Column(run, "Foreground", 5, 15), "90 95 97 97 95 90 80 70 60 50 0");

  // The dump's first page under the build's date and time, up to the run time (the second page
  // has a test of its own): its checksum, the page printed when it differs.
  const size_t built = run.output.find("\nComplie time: ", run.output.find("Compiled on: "));
  const size_t at = run.output.find("\n Current Settings\n", built);
  const size_t end = run.output.find(" Current Run Time : ", at);
  ASSERT_NE(end, std::string::npos) << run.output;
  const std::string page = run.output.substr(at, end - at);
  EXPECT_EQ(qChecksum(QByteArrayView(page)), 0xAF09) << page;
}

}  // namespace
}  // namespace lenvari
