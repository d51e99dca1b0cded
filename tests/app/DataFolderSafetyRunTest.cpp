// The data folder under conditions real installations meet: files the program may not read,
// a start killed while it rebuilds files, a folder it cannot write. Nothing stored may be lost
// and no failure may pass in silence.

#include <gtest/gtest.h>

#include <QJsonObject>
#include <QProcess>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>

#include <sys/stat.h>

#include "platform/FileAccess.h"
#include "store/DataFolder.h"
#include "support/DataFolderText.h"
#include "support/ProgramRun.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

namespace fs = std::filesystem;

// A folder as the first start leaves it, with a letter line of lv3.let typed by the examiner.
std::string FolderWithCustomLetters(const std::string& custom) {
  const std::string data = StartedFolder();
  std::string text = ReadText(data + "/lv3.let");
  PutText(data + "/lv3.let", text.replace(text.find("OHPNT5"), 6, custom));
  return data;
}

// Whether the text is in the file or in one of its backups.
bool KeptSomewhere(const std::string& path, const std::string& text) {
  if (ReadText(path).find(text) != std::string::npos) return true;
  for (const std::string& backup : BackupsOf(path))
    if (ReadText(backup).find(text) != std::string::npos) return true;
  return false;
}

void CopyFolder(const std::string& from, const std::string& to) {
  fs::remove_all(to);
  fs::copy(from, to, fs::copy_options::recursive);
}

}  // namespace

TEST(DataFolderSafetyRun, StartKilledAtAnyStepOfARebuildLosesNoLetters) {
  if (std::system("strace -V > /dev/null 2>&1") != 0) GTEST_SKIP() << "strace is not installed";
  const std::string prepared = FolderWithCustomLetters("MINE");
  fs::remove(prepared + "/lv7.let");
  // How many of each step a whole start takes on this folder.
  const std::string work = FreshFolder("work");
  const std::string log = FreshFolder("log") + "/trace";
  CopyFolder(prepared, work);
  ProgramRunRequest request = ScriptRequest("", work);
  request.wrapper = {"strace", "-f", "-qq", "-o", log, "-e", "trace=rename,fsync"};
  ASSERT_EQ(RunProgram(request).exitCode, 0);
  const std::string traced = ReadText(log);
  const size_t renames = Occurrences(traced, "rename(");
  const size_t fsyncs = Occurrences(traced, "fsync(");
  ASSERT_GE(renames, 3u);  // unchanged files are not rewritten: a backup, lv3 and lv7 at least
  ASSERT_GE(fsyncs, 2 * renames);

  int kills = 0;
  for (const auto& [call, count] : {std::pair{"rename", renames}, std::pair{"fsync", fsyncs}}) {
    for (size_t k = 1; k <= count; ++k) {
      CopyFolder(prepared, work);
      request.wrapper = {"strace", "-f", "-qq", "-o", "/dev/null", "-e", std::string("trace=") + call,
                         "-e", std::string("inject=") + call + ":signal=KILL:when=" + std::to_string(k)};
      const ProgramRunResult killed = RunProgram(request);
      kills += killed.exitCode != 0;
      request.wrapper.clear();
      const ProgramRunResult again = RunProgram(request);
      ASSERT_EQ(again.exitCode, 0) << call << " " << k;
      ASSERT_TRUE(KeptSomewhere(work + "/lv3.let", "MINE")) << "killed at " << call << " " << k;
      // Every file is whole: the start after the kill read them all.
      EXPECT_FALSE(Printed(again, "could not be read"));
    }
  }
  EXPECT_EQ(kills, static_cast<int>(renames + fsyncs));
}

TEST(DataFolderSafetyRun, EverySaveIsFlushedRenamedAndItsFolderFlushed) {
  if (std::system("strace -V > /dev/null 2>&1") != 0) GTEST_SKIP() << "strace is not installed";
  // Settings, a stored preset with its snapshot, gallery and gallery index, and an archive of
  // the folder exported into the folder itself.
  const std::string data = FreshFolder("data");
  ProgramRunRequest request = ScriptRequest("{Ctrl+R}{Ctrl+F2}{Ctrl+Z}", data, "OK;" + data);
  const std::string log = FreshFolder("log") + "/trace";
  request.wrapper = {"strace", "-f", "-qq", "-o", log, "-e", "trace=openat,fsync,rename,close"};
  ASSERT_EQ(RunProgram(request).exitCode, 0);
  // For each data file: its temporary file, of a fresh name, is flushed, renamed over it, then
  // the folder is opened and flushed before the next file is written.
  std::ifstream trace(log);
  std::string line;
  std::map<std::string, std::string> descriptors;  // fd -> path opened
  std::string lastFlushed;
  int renames = 0, folderFlushes = 0, pending = 0, bitmaps = 0, archives = 0;
  const std::regex opened(R"re(openat\(AT_FDCWD, "([^"]+)", [^)]*\) = (\d+))re");
  const std::regex flushed(R"re(fsync\((\d+)\) += 0)re");
  const std::regex renamed(R"re(rename\("(([^"]+)\.[0-9a-f]{8}\.tmp)", "([^"]+)"\) += 0)re");
  std::smatch m;
  while (std::getline(trace, line)) {
    if (std::regex_search(line, m, opened)) descriptors[m[2]] = m[1];
    if (std::regex_search(line, m, flushed)) {
      lastFlushed = descriptors[m[1]];
      if (lastFlushed == request.dataDir && pending > 0) ++folderFlushes, --pending;
    }
    if (std::regex_search(line, m, renamed) && m[3].str().starts_with(request.dataDir)) {
      EXPECT_EQ(m[2].str(), m[3].str()) << line;
      EXPECT_EQ(lastFlushed, m[1].str()) << line;
      EXPECT_EQ(pending, 0) << "the folder was not flushed after the previous rename";
      ++renames, ++pending;
      bitmaps += m[3].str().ends_with(".bmp");
      archives += m[3].str().ends_with("/Lenvari Archive.zip");
    }
  }
  // The first start writes 13 files and 11 letter sets; the mirror key changes two more (the
  // monitor's settings file and the monitor data file).
  EXPECT_GE(renames, 13 + 11 + 2);
  EXPECT_GE(bitmaps, 3);  // the gallery built, the snapshot, the gallery updated
  EXPECT_EQ(Tie(archives, folderFlushes), Tie(1, renames));
}

TEST(DataFolderSafetyRun, AStartOnAHostileFolderNamesEachThingOnceAndLeavesItAsItWas) {
  const std::string data = FolderWithCustomLetters("MINE");
  const std::string outside = FreshFolder("outside") + "/passwd";
  PutText(outside, "not the program's");
  const std::string mine = ReadText(data + "/lv3.let");
  fs::permissions(data + "/lv3.let", fs::perms::none);
  for (const char* name : {"lvdisplay.cfg", "1presets.cfg", "2lvconfig.cfg"}) fs::remove(data + "/" + name);
  for (const char* fifo : {"/lvdisplay.cfg", "/1presets.cfg", "/LVimg1.bmp"})
    ASSERT_EQ(::mkfifo((data + fifo).c_str(), 0644), 0);
  fs::create_symlink(outside, data + "/2lvconfig.cfg");
  fs::create_directory(data + "/lvimg3.bmp");
  fs::remove(data + "/lenvari-acuity.lock");
  fs::create_directory(data + "/lenvari-acuity.lock");
  PutText(data + "/lvscreenidentity.cfg", "Monitor&:\r\n 1 \r\n");
  PutText(data + "/lv5.let", "Hand edited\r\n 99 , 3 , 20 \r\n");  // more sizes than it holds

  // Saves of every file, a stored preset, and image 1 shown during the exam. A run that waits
  // on a FIFO is ended by the time limit and fails here instead of hanging the test.
  ProgramRunRequest request = ScriptRequest("{Ctrl+R}{Ctrl+F2}i{Enter}", data);
  request.timeoutSeconds = 60, request.unprivileged = true;
  const ProgramRunResult run = RunProgram(request);
  ASSERT_TRUE(run.finished) << "the start waited on something: " << run.output;
  ASSERT_EQ(run.exitCode, 0) << run.errors.substr(0, 4000);
  EXPECT_EQ(run.LastState()["Mode"].toString(), "Image");
  EXPECT_EQ(Occurrences(run.output, "[Lenvari Acuity] These files could not be read:"), 1u) << run.output;
  // (How each kind of file is named is the folder check's own test.)
  for (const std::string& named :
       {data + "/lv3.let: Permission denied", data + "/1presets.cfg: it is a FIFO (named pipe)",
        data + "/lvdisplay.cfg: it is a FIFO (named pipe)", data + "/2lvconfig.cfg: it is a link",
        "[Lenvari Acuity] The data folder " + data + " could not be locked (" + data +
            "/lenvari-acuity.lock: Is a directory)",
        data + "/lvscreenidentity.cfg is damaged, so it is not known which monitor the calibration "
               "was made on; what it held is kept in " + data + "/lvscreenidentity.cfg.",
        "These letter-set files could not be read as letter sets: " + data + "/lv5.let"})
    EXPECT_TRUE(Printed(run, named)) << named << "\n" << run.output;
  EXPECT_FALSE(Printed(run, "could not be saved")) << run.output;

  // (That no save writes over or through a FIFO, a link or a folder is the hostile files' own
  // test of the one write every save goes through.)
  EXPECT_TRUE(fs::is_directory(data + "/lenvari-acuity.lock"));
  // The files it could read were saved; the letter sets were rebuilt around the one it could
  // not, which kept no copy either.
  EXPECT_EQ(Setting(data, 1, "Mirror&:"), "-1 ");
  fs::permissions(data + "/lv3.let", fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(Tie(ReadText(data + "/lv3.let"), BackupsOf(data + "/lv3.let").size()), Tie(mine, 0u));
  ASSERT_EQ(BackupsOf(data + "/lv5.let").size(), 1u);
  EXPECT_TRUE(Printed(run, BackupsOf(data + "/lv5.let")[0]));
}

TEST(DataFolderSafetyRun, FailedSavesAreSaidOnce) {
  const std::string notAFolder = FreshFolder("file") + "/data";
  PutText(notAFolder, "a file where the data folder should be");
  ProgramRunRequest request = ScriptRequest("{Enter}{Ctrl+R}{Ctrl+R}", notAFolder, "OK;OK");
  request.calibratedScale = 0;
  const ProgramRunResult run = RunWell(request);
  // Each file is named once for its reason, however many saves fail on it.
  EXPECT_TRUE(Printed(run, "] The settings could not be saved in " + notAFolder)) << run.output;
  EXPECT_EQ(Occurrences(run.output, " 1lvconfig.cfg: Not a directory"), 1u) << run.output;
  EXPECT_EQ(ReadText(notAFolder), "a file where the data folder should be");
}

TEST(DataFolderSafetyRun, ExtremeValuesAndHugeFieldsAreHeldWhenRead) {
  const std::string data = StartedFolder();
  SetSetting(data, "AccessibleContrast&:", "-2147483648");
  SetSetting(data, "MaxVShutter&:", "2147483647");
  std::string monitorData = ReadText(data + "/lvmonitordata.cfg");
  monitorData.replace(monitorData.find(" 0 \r\n 0 \r\n 1920 \r\n 1080 "), 22,
                      "-2147483648 \r\n 0 \r\n 2147483647 \r\n 1080 ");
  PutText(data + "/lvmonitordata.cfg", monitorData);
  PresetFields presets = PlainPresets();
  presets[0][1] = "Image", presets[0][15] = "2147483647";
  presets[1] = {"2147483647", "Letter", "2147483647", "1", "0", "2147483647", "2147483647", "0",
                "", "1e38", "2147483647", "63", "2147483647", "6", "0", "", "", "", "", "", ""};
  presets[2][8] = std::string(40 << 20, 'E');  // 40 MB where one letter belongs
  PutText(data + "/1presets.cfg", PresetFileText(presets));

  // The resolution reads as changed (the rectangle is held, not wrapped), so the start asks
  // for a calibration first.
  const ProgramRunResult run =
      RunProgram(ScriptRequest("{Enter}x{F2} {Right}{Up}{Left}{Down}[s{F3}", data, "OK;OK"));
  ASSERT_TRUE(run.finished);
  ASSERT_EQ(run.exitCode, 0) << run.errors.substr(0, 4000);
  EXPECT_TRUE(Printed(run, "[Calibration Required]"));
  const QJsonObject last = run.LastState();
  EXPECT_EQ(Tie(last["JustOneLetter"].toString().size(), last["SizeNow"].toInt()), Tie(4096, 6));
}

TEST(DataFolderSafetyRun, SecondStartOnAFolderInUseIsRefusedAndAKilledOneLeavesNoLock) {
  const std::string data = FreshFolder("data");
  // The first run, held open by its script's wait.
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", QString("offscreen:configfile=") + LENVARI_SCREENS_DIR + "/one-monitor.json");
  LiveProgram running(environment, data, {"--keys", "{Wait:60}", "--answers", ""});
  QProcess& first = running.process;
  ASSERT_TRUE(first.waitForStarted());
  // Its first save comes after it took the folder.
  WaitFor([&] { return fs::exists(data + "/lv10.let"); }, 60);

  const ProgramRunRequest second = ScriptRequest("", data);
  const ProgramRunResult refused = RunProgram(second);
  EXPECT_EQ(refused.exitCode, 4);
  EXPECT_TRUE(Printed(refused, "[Lenvari Acuity] Lenvari Acuity is already running with the data folder " + data))
      << refused.output;
  EXPECT_EQ(Tie(refused.FrameCount(), first.state()), Tie(0, QProcess::Running));

  // A run that is killed frees the folder all the same.
  first.kill();
  first.waitForFinished();
  EXPECT_EQ(RunProgram(second).exitCode, 0);
}

}  // namespace lenvari
