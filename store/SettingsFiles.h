#pragma once
// The settings files of the data folder: "globalconfig.cfg", the ten per-monitor files
// "1lvconfig.cfg" .. "10lvconfig.cfg", and the whole-folder load and save that also covers
// the monitor data file and the current monitor's preset file.

#include <string>
#include <string_view>

#include "store/Monitors.h"
#include "store/Settings.h"
#include "store/State.h"

namespace lenvari {

// The delay of timed randomize is held within 0.1 .. 999.9 seconds and to tenths, what "###.#"
// can write: a finer delay would run as given until the next start read it back rounded.
constexpr float kShortestTimerDelay = 0.1f;
constexpr float kLongestTimerDelay = 999.9f;
float StoredTimerDelay(float seconds);

// The defaults of monitor n's per-monitor settings and of every global setting;
// `CurrentMonitor` becomes 1. `MyBlack`, the flags for audio, monitor window, thumbnails and
// always-on-top, and the monitor-window geometry have no default and are left as they are.
void ApplyDefaultSettings(Settings& settings, Monitors& monitors, int n);
// The two halves of it, which loading applies separately: a missing or short settings file
// must not move the chart to another monitor or undo globals that other files gave.
void ApplyMonitorDefaults(Settings& settings, int n);
void ApplyGlobalDefaults(Settings& settings);

// The text of "globalconfig.cfg": "Version$:" padded to 14 characters, then `version`.
std::string GlobalConfigText(const std::string& version);

// The text of settings file n: its 33 key and value lines. A `TestDistance`(n) without a
// leading number other than 0 becomes "20 feet" first. The monitor-window geometry written
// into every file is that of `CurrentMonitor`.
std::string SettingsFileText(Settings& settings, const Monitors& monitors, int n);

// Reads the text of settings file n into the settings: key and value pairs, keys compared
// exactly; unknown keys are skipped with their value. "MonitorWindowX&:" and
// "MonitorWindowY&:" go to monitor n, "MonitorWindowWidth&:" and "MonitorWindowHeight&:" to
// `CurrentMonitor`; "Version$:" goes to `Settings::Version`. A value line runs to the end of
// its line, commas included. A key without a value (at the end of the text, or followed
// directly by another key) is ignored, and an empty line where a key is expected is skipped.
// A `TimerDelay` is held as `StoredTimerDelay` holds it. True when the text held every key the
// file is written with.
bool ReadSettingsText(Settings& settings, Monitors& monitors, int n, std::string_view text);

// Writes every file: globalconfig.cfg, the monitor data file, the ten settings files and the
// preset file of `CurrentMonitor`. Each file is replaced whole or not at all. False when any
// file could not be written. The presets go to the file of the monitor they were loaded
// from, and the monitor data file keeps the rectangles the monitors were calibrated at.
bool SaveConfiguration(State& state);

// The patient monitor the chart will use: `CurrentMonitor`, or 1 when that is not attached.
int MonitorInUse(const Monitors& monitors);

// Start-up load: the monitor data file, the ten settings files in order, the preset file of
// the monitor in use, then `SaveConfiguration` so every file exists in the current layout.
// A key missing from a settings file (a missing file included) takes its default: the
// monitor's own values at once, the globals only when no file gives them. `CurrentMonitor`
// comes from the monitor data file alone. A settings file that lacked keys is kept as a
// backup before the save completes it.
void LoadConfiguration(State& state);

}  // namespace lenvari
