// The data folder under conditions real installations meet: files the program may not read,
// a start killed while it rebuilds files, a folder it cannot write. Nothing stored may be lost
// and no failure may pass in silence.

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonObject>
#include <QProcess>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <thread>

#include "store/DataFolder.h"
#include "support/DataFolderText.h"
#include "support/ProgramRun.h"

namespace lenvari {
namespace {

namespace fs = std::filesystem;

// A folder as the first start leaves it, with a letter line of lv3.let typed by the examiner.
std::string FolderWithCustomLetters(const std::string& custom) {
  const std::string data = StartedFolder();
  const std::string path = data + "/lv3.let";
  std::string text = ReadText(path);
  const size_t line = text.find("\r\n", text.find("\r\n") + 2) + 2;  // the first size line
  const size_t comma = text.find(',', line);
  text.replace(comma + 1, text.find_first_of(",\r", comma + 1) - comma - 1, custom);
  PutText(path, text);
  return data;
}

// Whether the text is in the file or in one of its backups.
bool KeptSomewhere(const std::string& path, const std::string& text) {
  if (ReadText(path).find(text) != std::string::npos) return true;
  for (const std::string& backup : BackupsOf(path))
    if (ReadText(backup).find(text) != std::string::npos) return true;
  return false;
}

// A preset file of 36 presets like built-in preset 1, with the fields `changes` names.
using PresetFields = std::vector<std::vector<std::string>>;
PresetFields PlainPresets() {
  return PresetFields(36, {"6", "Letter", "1", "1", "0", "999", "999", "0", "", "11", "0", "63",
                           "6", "6", "0", "", "", "", "", "", ""});
}
std::string PresetFileText(const PresetFields& presets) {
  std::string text;
  for (const auto& preset : presets)
    for (const std::string& field : preset) text += field + "\r\n";
  return text;
}

void CopyFolder(const std::string& from, const std::string& to) {
  fs::remove_all(to);
  fs::copy(from, to, fs::copy_options::recursive);
}

}  // namespace

TEST(DataFolderSafetyRun, UnreadableFilesAreNamedOnceAndNeverWrittenOver) {
  const std::string data = FolderWithCustomLetters("MINE");
  const std::string presets = ReadText(data + "/1presets.cfg");
  const std::string letters = ReadText(data + "/lv3.let");
  fs::permissions(data + "/1presets.cfg", fs::perms::none);
  fs::permissions(data + "/lv3.let", fs::perms::none);
  fs::remove(data + "/lv7.let");  // and a missing one, which rebuilds the letter sets

  ProgramRunRequest request = ScriptRequest("{Ctrl+F2}{Ctrl+R}", data);  // saves of every file
  request.unprivileged = true;
  const ProgramRunResult run = RunProgram(request);
  ASSERT_EQ(run.exitCode, 0) << run.errors << run.output;
  EXPECT_EQ(Occurrences(run.output, "[Lenvari Acuity] These files could not be read:"), 1u)
      << run.output;
  EXPECT_TRUE(Printed(run, "/1presets.cfg: Permission denied"));
  EXPECT_TRUE(Printed(run, "/lv3.let: Permission denied"));
  // The chart ran on the built-in presets meanwhile; the files are as they were.
  EXPECT_EQ(run.FrameState(1)["SizeNow"].toInt(), 6);
  fs::permissions(data + "/1presets.cfg", fs::perms::owner_read | fs::perms::owner_write);
  fs::permissions(data + "/lv3.let", fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(ReadText(data + "/1presets.cfg"), presets);
  EXPECT_EQ(ReadText(data + "/lv3.let"), letters);
  EXPECT_TRUE(BackupsOf(data + "/1presets.cfg").empty());
  EXPECT_NE(ReadText(data + "/lv7.let"), "<missing>");     // the others were rebuilt
  EXPECT_EQ(Setting(data, 1, "Mirror&:"), "-1 ");
}

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
  ProgramRunRequest request = ScriptRequest("{Ctrl+R}", FreshFolder("data"));
  const std::string log = FreshFolder("log") + "/trace";
  request.wrapper = {"strace", "-f", "-qq", "-o", log, "-e", "trace=openat,fsync,rename,close"};
  ASSERT_EQ(RunProgram(request).exitCode, 0);
  // For each data file: its temporary file is flushed, renamed over it, then the folder is
  // opened and flushed before the next file is written.
  std::ifstream trace(log);
  std::string line;
  std::map<std::string, std::string> descriptors;  // fd -> path opened
  std::string lastFlushed;
  int renames = 0, folderFlushes = 0, pending = 0;
  const std::regex opened(R"re(openat\(AT_FDCWD, "([^"]+)", [^)]*\) = (\d+))re");
  const std::regex flushed(R"re(fsync\((\d+)\) += 0)re");
  const std::regex renamed(R"re(rename\("([^"]+)\.tmp", "([^"]+)"\) += 0)re");
  std::smatch m;
  while (std::getline(trace, line)) {
    if (std::regex_search(line, m, opened)) descriptors[m[2]] = m[1];
    if (std::regex_search(line, m, flushed)) {
      lastFlushed = descriptors[m[1]];
      if (lastFlushed == request.dataDir && pending > 0) ++folderFlushes, --pending;
    }
    if (std::regex_search(line, m, renamed) && m[2].str().starts_with(request.dataDir)) {
      EXPECT_EQ(lastFlushed, m[1].str() + ".tmp") << line;
      EXPECT_EQ(pending, 0) << "the folder was not flushed after the previous rename";
      ++renames, ++pending;
    }
  }
  // The first start writes 13 files and 11 letter sets; the mirror key changes two more (the
  // monitor's settings file and the monitor data file).
  EXPECT_GE(renames, 13 + 11 + 2);
  EXPECT_EQ(folderFlushes, renames);
}

TEST(DataFolderSafetyRun, FailedSavesAreSaidOnceAndAFatalErrorIsNoSuccess) {
  const std::string notAFolder = FreshFolder("file") + "/data";
  PutText(notAFolder, "a file where the data folder should be");
  ProgramRunRequest request = ScriptRequest("{Enter}{Ctrl+R}{Ctrl+R}", notAFolder, "OK;OK");
  request.calibratedScale = 0;
  const ProgramRunResult run = RunWell(request);
  EXPECT_EQ(Occurrences(run.output, "] The settings could not be saved in " + notAFolder), 1u)
      << run.output;
  EXPECT_TRUE(Printed(run, "Not a directory"));
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
  presets[0][1] = "Image";
  presets[0][15] = "2147483647";
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
  EXPECT_EQ(last["JustOneLetter"].toString().size(), 4096);
  EXPECT_EQ(last["SizeNow"].toInt(), 6);
}

TEST(DataFolderSafetyRun, SecondStartOnAFolderInUseIsRefusedAndAKilledOneLeavesNoLock) {
  const std::string data = FreshFolder("data");
  // The first run, held open by its script's wait.
  QProcess first;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM",
                     QString("offscreen:configfile=") + LENVARI_SCREENS_DIR + "/one-monitor.json");
  first.setProcessEnvironment(environment);
  first.start(LENVARI_MAIN_PATH, {"--data-dir", QString::fromStdString(data), "--keys",
                                  "{Wait:60}", "--answers", ""});
  ASSERT_TRUE(first.waitForStarted());
  // Its first save comes after it took the folder.
  for (int i = 0; i < 600 && !fs::exists(data + "/lv10.let"); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(100));

  const ProgramRunRequest second = ScriptRequest("", data);
  const ProgramRunResult refused = RunProgram(second);
  EXPECT_EQ(refused.exitCode, 4);
  EXPECT_TRUE(Printed(refused, "[Lenvari Acuity] Lenvari Acuity is already running with the data folder " + data))
      << refused.output;
  EXPECT_EQ(refused.FrameCount(), 0);
  EXPECT_EQ(first.state(), QProcess::Running);

  // A run that is killed frees the folder all the same.
  first.kill();
  first.waitForFinished();
  EXPECT_EQ(RunProgram(second).exitCode, 0);
}

}  // namespace lenvari
