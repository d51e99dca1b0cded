#include "store/SettingsFiles.h"

#include <optional>
#include <set>

#include "common/NumberText.h"
#include "store/DataFolder.h"
#include "store/FieldReader.h"
#include "store/MonitorDataFile.h"
#include "store/PlatformDefaults.h"
#include "store/PresetFile.h"
#include "store/ValueWriter.h"

namespace lenvari {
namespace {

// The monitor whose entries the tables are read and written at; a number outside the tables
// (which no file should give) falls back to the primary monitor instead of reaching past them.
int MonitorIndex(const Monitors& monitors) {
  const int m = monitors.CurrentMonitor;
  return m >= 1 && m <= kMaxMonitors ? m : 1;
}

std::string SettingsFileName(int n) { return std::to_string(n) + "lvconfig.cfg"; }

// Where the value of a key goes. All three pointers empty: a key that is accepted and has no
// effect.
struct KeyTarget {
  std::string* text = nullptr;
  int* integer = nullptr;
  float* real = nullptr;
};

std::optional<KeyTarget> TargetOf(Settings& s, Monitors& m, int n, const std::string& key) {
  const int current = MonitorIndex(m);
  struct Text { const char* key; std::string* value; };
  struct Integer { const char* key; int* value; };
  struct Real { const char* key; float* value; };
  const Text texts[] = {
      {"TestDistance:", &s.TestDistance[n]}, {"LabelColor$:", &s.LabelColor[n]},
      {"AstigMode$:", &s.AstigMode},         {"SelectedVideo$:", &s.SelectedVideo},
      {"VideoPlayer$:", &s.VideoPlayer},     {"RedGreenOrRedBlue$:", &s.RedGreenOrRedBlue},
      {"Version$:", &s.Version},
  };
  const Integer integers[] = {
      {"Mirror&:", &s.Mirror[n]},
      {"MaxVShutter&:", &s.MaxVShutter[n]},
      {"JacksonCrossTargetSize&:", &s.JacksonCrossTargetSize[n]},
      {"WorthDotSize&:", &s.WorthDotSize[n]},
      {"WorthDotMode&:", &s.WorthDotMode[n]},
      {"AccessibleContrast&:", &s.AccessibleContrast[n]},
      {"StatusBar&:", &s.StatusBar[n]},
      {"FixDispFusionLock&:", &s.FixDispFusionLock[n]},
      {"AcuityBase&:", &s.AcuityBase},
      {"ShowTestDistance&:", &s.ShowTestDistance[n]},
      {"MyRed&:", &s.MyRed},
      {"MyGreen&:", &s.MyGreen},
      {"MyBlue&:", &s.MyBlue},
      {"MyBlack&:", &s.MyBlack},
      {"AudioAlert&:", &s.AudioAlert},
      {"MonitorWindowFlag&:", &s.MonitorWindowFlag},
      {"ThumbnailFlag&:", &s.ThumbnailFlag},
      {"AlwaysOnTopFlag&:", &s.AlwaysOnTopFlag},
      {"MonitorWindowX&:", &s.MonitorWindowX[n]},
      {"MonitorWindowY&:", &s.MonitorWindowY[n]},
      {"MonitorWindowWidth&:", &s.MonitorWindowWidth[current]},
      {"MonitorWindowHeight&:", &s.MonitorWindowHeight[current]},
      {"SmoothingFlag&:", &s.SmoothingFlag},
      {"ShowVirtualRemote&:", &s.ShowVirtualRemote},
      {"ScreenWidth&:", &m.ScreenWidth[n]},
      {"ScreenHeight&:", &m.ScreenHeight[n]},
  };
  const Real reals[] = {{"LabelSize!:", &s.LabelSize[n]}, {"TimerDelay!:", &s.TimerDelay}};
  const char* ignored[] = {"ScreenSaver$:", "GraphicWindowX&:", "GraphicWindowX2&:",
                           "GraphicWindowY&:", "GraphicWindowY2&:"};

  for (const Text& t : texts)
    if (key == t.key) return KeyTarget{t.value, nullptr, nullptr};
  for (const Integer& i : integers)
    if (key == i.key) return KeyTarget{nullptr, i.value, nullptr};
  for (const Real& r : reals)
    if (key == r.key) return KeyTarget{nullptr, nullptr, r.value};
  for (const char* k : ignored)
    if (key == k) return KeyTarget{};
  return std::nullopt;
}

// Every key a settings file is written with and read back from; a file without one of them
// was cut short or damaged. "TimerDelay!" is written for others and never read.
constexpr const char* kWrittenKeys[] = {
    "TestDistance:",       "LabelSize!:",          "LabelColor$:",
    "Mirror&:",            "MaxVShutter&:",        "JacksonCrossTargetSize&:",
    "WorthDotSize&:",      "WorthDotMode&:",       "AccessibleContrast&:",
    "StatusBar&:",         "FixDispFusionLock&:",  "AstigMode$:",
    "AcuityBase&:",        "ShowTestDistance&:",   "SelectedVideo$:",
    "VideoPlayer$:",       "TimerDelay!:",         "RedGreenOrRedBlue$:",
    "MyRed&:",             "MyGreen&:",            "MyBlue&:",
    "MyBlack&:",           "AudioAlert&:",         "MonitorWindowFlag&:",
    "ThumbnailFlag&:",     "AlwaysOnTopFlag&:",    "MonitorWindowX&:",
    "MonitorWindowY&:",    "MonitorWindowWidth&:", "MonitorWindowHeight&:",
    "SmoothingFlag&:",     "ShowVirtualRemote&:"};

// Values a file can give that no arithmetic downstream is ready for are held to what the
// program can use: percentages within 0 .. 100, colours within 24 bits, everything else
// within the stored-integer range.
void HoldReadValuesInRange(Settings& s, Monitors& m, int n) {
  constexpr int kLargestColour = 0xFFFFFF;
  s.TimerDelay = StoredTimerDelay(s.TimerDelay);
  s.AccessibleContrast[n] = ClampedInteger(s.AccessibleContrast[n], 0, 100);
  for (int* value : {&s.Mirror[n], &s.MaxVShutter[n], &s.JacksonCrossTargetSize[n],
                     &s.WorthDotSize[n], &s.WorthDotMode[n], &s.StatusBar[n],
                     &s.FixDispFusionLock[n], &s.ShowTestDistance[n], &s.MonitorWindowX[n],
                     &s.MonitorWindowY[n], &s.AcuityBase, &s.AudioAlert, &s.MonitorWindowFlag,
                     &s.ThumbnailFlag, &s.AlwaysOnTopFlag, &s.SmoothingFlag, &s.ShowVirtualRemote,
                     &m.ScreenWidth[n], &m.ScreenHeight[n]})
    *value = StoredInteger(*value);
  for (int k = 1; k <= kMaxMonitors; ++k) {
    s.MonitorWindowWidth[k] = StoredInteger(s.MonitorWindowWidth[k]);
    s.MonitorWindowHeight[k] = StoredInteger(s.MonitorWindowHeight[k]);
  }
  for (int* colour : {&s.MyRed, &s.MyGreen, &s.MyBlue, &s.MyBlack})
    *colour = ClampedInteger(*colour, 0, kLargestColour);
  s.LabelSize[n] = StoredReal(s.LabelSize[n]);
}

}  // namespace

void ApplyMonitorDefaults(Settings& s, int n) {
  if (n < 1 || n > kMaxMonitors) return;
  s.TestDistance[n] = "20 feet";
  s.LabelSize[n] = 10;
  s.LabelColor[n] = "Blue";
  s.Mirror[n] = 1;
  s.MaxVShutter[n] = 4;
  s.JacksonCrossTargetSize[n] = 30;
  s.WorthDotSize[n] = 40;
  s.WorthDotMode[n] = 4;
  s.AccessibleContrast[n] = 10;
  s.StatusBar[n] = 1;
  s.FixDispFusionLock[n] = 1;
  s.ShowTestDistance[n] = 1;
}

void ApplyGlobalDefaults(Settings& s) {
  s.AstigMode = "DialWithLabels";
  s.AcuityBase = 20;
  s.SelectedVideo = DefaultSelectedVideo();
  s.VideoPlayer = DefaultVideoPlayer();
  s.TimerDelay = 2;
  s.RedGreenOrRedBlue = "RedGreen";
  s.MyRed = 255;
  s.MyBlue = 16711680;
  s.MyGreen = 65280;
  s.SmoothingFlag = 1;
  s.ShowVirtualRemote = 0;
}

void ApplyDefaultSettings(Settings& s, Monitors& monitors, int n) {
  ApplyMonitorDefaults(s, n);
  monitors.CurrentMonitor = 1;
  ApplyGlobalDefaults(s);
}

float StoredTimerDelay(float seconds) {
  if (!(seconds >= kShortestTimerDelay)) return kShortestTimerDelay;  // NaN included
  if (seconds > kLongestTimerDelay) return kLongestTimerDelay;
  // Rounded as the "###.#" writer rounds, so what is used is what the next start reads.
  return static_cast<float>(static_cast<double>(RoundHalfEven(seconds * 10.0)) / 10.0);
}

std::string GlobalConfigText(const std::string& version) {
  std::string text;
  AppendLine(text, "Version$:     " + version);
  return text;
}

std::string SettingsFileText(Settings& s, const Monitors& monitors, int n) {
  const int current = MonitorIndex(monitors);
  if (LeadingNumber(s.TestDistance[n]) == 0) s.TestDistance[n] = "20 feet";
  std::string text;
  AppendSetting(text, "TestDistance:", s.TestDistance[n]);
  AppendSetting(text, "LabelSize!:", RealValue(s.LabelSize[n]));
  AppendSetting(text, "LabelColor$:", s.LabelColor[n]);
  AppendSetting(text, "Mirror&:", IntegerValue(s.Mirror[n]));
  AppendSetting(text, "MaxVShutter&:", IntegerValue(s.MaxVShutter[n]));
  AppendSetting(text, "JacksonCrossTargetSize&:", IntegerValue(s.JacksonCrossTargetSize[n]));
  AppendSetting(text, "WorthDotSize&:", IntegerValue(s.WorthDotSize[n]));
  AppendSetting(text, "WorthDotMode&:", IntegerValue(s.WorthDotMode[n]));
  AppendSetting(text, "AccessibleContrast&:", IntegerValue(s.AccessibleContrast[n]));
  AppendSetting(text, "StatusBar&:", IntegerValue(s.StatusBar[n]));
  AppendSetting(text, "FixDispFusionLock&:", IntegerValue(s.FixDispFusionLock[n]));
  AppendSetting(text, "AstigMode$:", s.AstigMode);
  AppendSetting(text, "AcuityBase&:", IntegerValue(s.AcuityBase));
  AppendSetting(text, "ShowTestDistance&:", IntegerValue(s.ShowTestDistance[n]));
  AppendSetting(text, "SelectedVideo$:", s.SelectedVideo);
  AppendSetting(text, "VideoPlayer$:", s.VideoPlayer);
  // "###.#" has no room for a delay of 1000 s or more; the reader would take what it wrote
  // then for no delay at all.
  const float delay = StoredTimerDelay(s.TimerDelay);
  AppendSetting(text, "TimerDelay!:", TimerDelayValue(delay));
  AppendSetting(text, "RedGreenOrRedBlue$:", s.RedGreenOrRedBlue);
  AppendSetting(text, "MyRed&:", IntegerValue(s.MyRed));
  AppendSetting(text, "MyGreen&:", IntegerValue(s.MyGreen));
  AppendSetting(text, "MyBlue&:", IntegerValue(s.MyBlue));
  AppendSetting(text, "MyBlack&:", IntegerValue(s.MyBlack));
  AppendSetting(text, "AudioAlert&:", IntegerValue(s.AudioAlert));
  AppendSetting(text, "MonitorWindowFlag&:", IntegerValue(s.MonitorWindowFlag));
  AppendSetting(text, "ThumbnailFlag&:", IntegerValue(s.ThumbnailFlag));
  AppendSetting(text, "AlwaysOnTopFlag&:", IntegerValue(s.AlwaysOnTopFlag));
  AppendSetting(text, "MonitorWindowX&:", IntegerValue(s.MonitorWindowX[current]));
  AppendSetting(text, "MonitorWindowY&:", IntegerValue(s.MonitorWindowY[current]));
  AppendSetting(text, "MonitorWindowWidth&:", IntegerValue(s.MonitorWindowWidth[current]));
  AppendSetting(text, "MonitorWindowHeight&:", IntegerValue(s.MonitorWindowHeight[current]));
  AppendSetting(text, "SmoothingFlag&:", IntegerValue(s.SmoothingFlag));
  // Written for the installations that read it; this program reads "TimerDelay!:" only.
  AppendSetting(text, "TimerDelay!", RealValue(delay));
  AppendSetting(text, "ShowVirtualRemote&:", IntegerValue(s.ShowVirtualRemote));
  return text;
}

bool ReadSettingsText(Settings& s, Monitors& monitors, int n, std::string_view text) {
  if (n < 1 || n > kMaxMonitors) return false;
  FieldReader reader{text};
  std::string key;
  std::string value;
  std::set<std::string> given;
  bool haveKey = false;
  while (true) {
    if (!haveKey) {
      if (!ReadStringField(reader, key)) break;
      key = TrimBlanks(key);
      if (key.empty()) continue;  // a stray empty line must not pair keys with values
    }
    haveKey = false;
    if (!ReadLineField(reader, value)) break;  // a key without a value sets nothing
    value = TrimBlanks(value);
    // A key standing where its value belongs means the previous key had no value line;
    // pairing them would shift every later key onto a value.
    if (TargetOf(s, monitors, n, value)) {
      key = value;
      haveKey = true;
      continue;
    }
    const std::optional<KeyTarget> target = TargetOf(s, monitors, n, key);
    if (!target) continue;
    if (target->text) *target->text = value;
    if (target->integer) *target->integer = IntegerOf(value);
    if (target->real) *target->real = RealOf(value);
    given.insert(key);
  }
  HoldReadValuesInRange(s, monitors, n);
  for (const char* key : kWrittenKeys)
    if (!given.contains(key)) return false;
  return true;
}

bool SaveConfiguration(State& state) {
  const std::string& folder = state.DataPath;
  const auto save = [&](const std::string& name, const std::string& text) {
    const std::string path = ResolveDataFile(folder, name);
    std::string reason;
    if (WriteFileAtomically(path, text, &reason)) return true;
    NoteSaveFailure(state.saveFailures, path, reason);
    return false;
  };
  bool written = save("globalconfig.cfg", GlobalConfigText(state.Version));
  std::string reason;
  if (!SaveMonitorData(state.monitors, state.settings, folder, &reason)) {
    NoteSaveFailure(state.saveFailures, ResolveDataFile(folder, "lvmonitordata.cfg"), reason);
    written = false;
  }
  for (int n = 1; n <= kMaxMonitors; ++n) {
    // A file that could not be read still holds what it held; defaults must not replace it.
    if (!state.settings.FileUnreadable[n].empty()) continue;
    written &= save(SettingsFileName(n), SettingsFileText(state.settings, state.monitors, n));
  }
  const int owner = state.presets.LoadedMonitor;
  const int presetMonitor = owner >= 1 && owner <= kMaxMonitors ? owner : MonitorIndex(state.monitors);
  reason.clear();
  if (!SavePresetFile(state.presets, presetMonitor, folder, &reason)) {
    // A preset file that could not be read at start is not saved over, and is no failure.
    if (!reason.empty())
      NoteSaveFailure(state.saveFailures, ResolveDataFile(folder, PresetFileName(presetMonitor)),
                      reason);
    written = false;
  }
  return written;
}

int MonitorInUse(const Monitors& monitors) {
  const int m = monitors.CurrentMonitor;
  return m >= 1 && m <= monitors.NumberOfMonitors && m <= kMaxMonitors ? m : 1;
}

void LoadConfiguration(State& state) {
  Monitors& monitors = state.monitors;
  Settings& settings = state.settings;
  // An unreadable monitor data file has been kept as a backup; the save below rewrites it
  // together with everything else, after the settings files have been read.
  LoadMonitorData(monitors, settings, state.DataPath);
  // A global that no file gives keeps its default; the last file that gives it wins.
  ApplyGlobalDefaults(settings);
  for (int n = 1; n <= kMaxMonitors; ++n) {
    // The monitor data file's mirror flag stands unless the settings file gives its own.
    const int mirror = settings.Mirror[n];
    ApplyMonitorDefaults(settings, n);
    if (n <= monitors.MonitorRecordCount) settings.Mirror[n] = mirror;
    const std::string path = ResolveDataFile(state.DataPath, SettingsFileName(n));
    const FileRead read = ReadDataFile(path);
    settings.FileUnreadable[n] = read.status == FileRead::Status::Unreadable ? read.reason : "";
    // A file cut short is completed with defaults by the save below; its bytes are kept.
    if (read.Read() && !ReadSettingsText(settings, monitors, n, read.bytes)) KeepBackup(path);
  }
  // The presets of the monitor the chart will really use: a stored patient monitor that is no
  // longer attached is replaced by monitor 1 right after loading, and its file stays as it is.
  LoadPresetFile(state.presets, MonitorInUse(monitors), state.DataPath);
  SaveConfiguration(state);
}

}  // namespace lenvari
