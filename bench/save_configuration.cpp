// Time of a full SaveConfiguration, every one of its 13 files changed so each is written
// (globalconfig.cfg, lvmonitordata.cfg, the ten settings files, 1presets.cfg), against the same
// texts written the same way minus the flushes: no fsync at all, and an fsync of the file but
// not of the folder (how saves were written before they were made durable). The folder is a
// temporary one under TMPDIR: point TMPDIR at the disk the data folder lives on, since on a
// memory file system every flush is free.

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "store/BuiltInPresets.h"
#include "store/DataFolder.h"
#include "store/MonitorDataFile.h"
#include "store/PresetFile.h"
#include "store/SettingsFiles.h"
#include "store/State.h"

namespace lenvari {
namespace {

namespace fs = std::filesystem;

constexpr int kSavedFiles = 13;

State SavedState(const std::string& folder) {
  State state;
  state.Version = "Lenvari 4.13";
  state.DataPath = folder;
  state.monitors.NumberOfMonitors = 2;
  state.monitors.CurrentMonitor = 1;
  state.monitors.MonitorRect[1] = {0, 0, 0, 1920, 1080};
  state.monitors.MonitorRect[2] = {0, -1280, 0, 0, 1024};
  for (int n = 1; n <= 10; ++n) ApplyDefaultSettings(state.settings, state.monitors, n);
  state.monitors.CurrentMonitor = 1;
  state.monitors.MasterScaleX[1] = state.monitors.MasterScaleY[1] = 348;
  FillBuiltInPresets(state.presets);
  state.presets.LoadedMonitor = 1;
  return state;
}

// A change that reaches every file: the version (globalconfig.cfg), a scale (monitor data),
// the monitor-window width (written into all ten settings files) and a preset's size.
void Change(State& state, int round) {
  const bool odd = round % 2 != 0;
  state.Version = odd ? "Lenvari 4.13" : "Lenvari 4.13a";
  state.monitors.MasterScaleX[1] = odd ? 348 : 349;
  state.settings.MonitorWindowWidth[1] = odd ? 400 : 401;
  state.presets.PresetTable[1][0] = odd ? "6" : "7";
}

// The files of the folder and their texts.
std::vector<std::pair<std::string, std::string>> Files(const std::string& folder) {
  std::vector<std::pair<std::string, std::string>> files;
  for (const auto& entry : fs::directory_iterator(folder))
    files.emplace_back(entry.path().string(), ReadWholeFile(entry.path().string()).value_or(""));
  return files;
}

enum Flush { kNoFlush = 0, kFileOnly = 1, kFileAndFolder = 2 };

// WriteFileAtomically's steps on this system, the flushes as asked: the file is compared with
// what is there, written whole to a temporary name, renamed over the old one.
void WriteLikeTheStore(const std::string& path, const std::string& bytes, Flush flush) {
  if (const FileRead present = ReadDataFile(path); present.Read() && present.bytes == bytes) return;
  const std::string temporary = path + ".tmp";
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return;
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  if (flush != kNoFlush) ::fsync(fd);
  ::close(fd);
  ::rename(temporary.c_str(), path.c_str());
  if (flush == kFileAndFolder) {
    const int folderFd = ::open(fs::path(path).parent_path().c_str(), O_RDONLY | O_DIRECTORY);
    ::fsync(folderFd);
    ::close(folderFd);
  }
}

// The texts SaveConfiguration writes, made by the same functions, written as asked.
void SaveLikeTheStore(State& state, Flush flush) {
  const std::string& folder = state.DataPath;
  WriteLikeTheStore(ResolveDataFile(folder, "globalconfig.cfg"), GlobalConfigText(state.Version),
                    flush);
  WriteLikeTheStore(ResolveDataFile(folder, "lvmonitordata.cfg"),
                    MonitorDataText(state.monitors, state.settings), flush);
  for (int n = 1; n <= 10; ++n)
    WriteLikeTheStore(ResolveDataFile(folder, std::to_string(n) + "lvconfig.cfg"),
                      SettingsFileText(state.settings, state.monitors, n), flush);
  WriteLikeTheStore(ResolveDataFile(folder, PresetFileName(1)), PresetFileText(state.presets),
                    flush);
}

// How many files one round rewrote; shown with the timings, so a change that misses a file
// cannot make a save look cheap.
int FilesChanged(State& state, const std::function<void(State&)>& save) {
  Change(state, 1);
  save(state);
  const auto before = Files(state.DataPath);
  Change(state, 2);
  save(state);
  const auto after = Files(state.DataPath);
  int changed = 0;
  for (const auto& [path, text] : after)
    for (const auto& [oldPath, oldText] : before)
      if (path == oldPath && text != oldText) ++changed;
  return changed;
}

void RunSaves(benchmark::State& bench, const std::function<void(State&)>& save) {
  QTemporaryDir folder;
  State state = SavedState(folder.path().toStdString());
  bench.counters["files"] = FilesChanged(state, save);
  int round = 0;
  for (auto _ : bench) {
    Change(state, ++round);
    save(state);
  }
  if (bench.counters["files"] != kSavedFiles) bench.SkipWithError("not every file was written");
}

void BM_SaveConfiguration(benchmark::State& bench) {
  RunSaves(bench, [](State& state) { SaveConfiguration(state); });
}

void BM_SameTextsWritten(benchmark::State& bench) {
  const auto flush = static_cast<Flush>(bench.range(0));
  RunSaves(bench, [flush](State& state) { SaveLikeTheStore(state, flush); });
}

BENCHMARK(BM_SaveConfiguration)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->UseRealTime();
BENCHMARK(BM_SameTextsWritten)
    ->ArgName("flush")  // 0 none, 1 the file, 2 the file and the folder
    ->Arg(kNoFlush)
    ->Arg(kFileOnly)
    ->Arg(kFileAndFolder)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->UseRealTime();

}  // namespace
}  // namespace lenvari

BENCHMARK_MAIN();
