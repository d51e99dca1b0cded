#pragma once
// The data folder's files as the end-to-end tests prepare and read them: whole texts, the value
// line under a settings key, a folder the program has started on once.

#include <QImage>

#include <array>
#include <string>
#include <vector>

namespace lenvari {

// The whole file; "<missing>" when it cannot be read.
std::string ReadText(const std::string& path);
void PutText(const std::string& path, const std::string& text);

// The value line after the key line `key` ("Mirror&:"), "<missing>" without one; and the text
// with that line replaced.
std::string ValueOf(const std::string& text, const std::string& key);
std::string WithValue(std::string text, const std::string& key, const std::string& value);
// The value in monitor n's settings file (nlvconfig.cfg) of the folder.
std::string Setting(const std::string& dataDir, int monitor, const std::string& key);
// Sets the value in all ten monitors' settings files: the program's own settings are read
// from each of them, the last one winning.
void SetSetting(const std::string& dataDir, const std::string& key, const std::string& value);

size_t Occurrences(const std::string& text, const std::string& part);

// A monitor data file: the patient monitor `current`, then each monitor's rectangle (left,
// top, right, bottom) calibrated at `scale` pixels per 1000 units in both axes.
std::string MonitorDataText(int current, const std::vector<std::array<int, 4>>& rects,
                            int scale = 400);

// A preset file's 36 presets of 21 fields each, all like built-in preset 1 (letter file 6 at
// size `size`) until a test changes them, and the file's text.
using PresetFields = std::vector<std::vector<std::string>>;
PresetFields PlainPresets(int size = 6);
std::string PresetFileText(const PresetFields& presets);

// A fresh data folder as the first start leaves it on the monitors of a screen file.
std::string StartedFolder(const std::string& screens = "one-monitor.json", int currentMonitor = 1);

}  // namespace lenvari
