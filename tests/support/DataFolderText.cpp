#include "support/DataFolderText.h"

#include <gtest/gtest.h>

#include <fstream>

#include "store/DataFolder.h"
#include "support/ProgramRun.h"

namespace lenvari {

std::string ReadText(const std::string& path) { return ReadWholeFile(path).value_or("<missing>"); }

void PutText(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  EXPECT_TRUE(out.good()) << path;
}

// Where the value line after the key line `key` starts, npos without one.
static size_t ValueStart(const std::string& text, const std::string& key) {
  const size_t at = text.find(key + "\r\n");
  return at == std::string::npos ? at : at + key.size() + 2;
}

std::string ValueOf(const std::string& text, const std::string& key) {
  const size_t start = ValueStart(text, key);
  return start == std::string::npos ? "<missing>" : text.substr(start, text.find("\r\n", start) - start);
}

std::string WithValue(std::string text, const std::string& key, const std::string& value) {
  const size_t start = ValueStart(text, key);
  EXPECT_NE(start, std::string::npos) << key;
  return start == std::string::npos ? text : text.replace(start, text.find("\r\n", start) - start, value);
}

std::string Setting(const std::string& dataDir, int monitor, const std::string& key) {
  return ValueOf(ReadText(dataDir + "/" + std::to_string(monitor) + "lvconfig.cfg"), key);
}

void SetSetting(const std::string& dataDir, const std::string& key, const std::string& value) {
  for (int n = 1; n <= 10; ++n) {
    const std::string path = dataDir + "/" + std::to_string(n) + "lvconfig.cfg";
    PutText(path, WithValue(ReadText(path), key, value));
  }
}

PresetFields PlainPresets(int size) {
  return PresetFields(36, {std::to_string(size), "Letter", "1", "1", "0", "999", "999", "0", "", "11", "0", "63",
                           "6", "6", "0", "", "", "", "", "", ""});
}

std::string PresetFileText(const PresetFields& presets) {
  std::string text;
  for (const auto& preset : presets)
    for (const std::string& field : preset) text += field + "\r\n";
  return text;
}

size_t Occurrences(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

std::string MonitorDataText(int current, const std::vector<std::array<int, 4>>& rects, int scale) {
  const auto line = [](int value) { return (value < 0 ? "" : " ") + std::to_string(value) + " \r\n"; };
  std::string text = line(current) + line(static_cast<int>(rects.size()));
  for (size_t n = 0; n < 10; ++n) {
    const std::array<int, 4> r = n < rects.size() ? rects[n] : std::array<int, 4>{};
    const int s = n < rects.size() ? scale : 0;
    for (int v : {r[0], r[1], r[2], r[3], s, s, 1}) text += line(v);
  }
  return text;
}

std::string StartedFolder(const std::string& screens, int currentMonitor) {
  ProgramRunRequest request = ScriptRequest("", FreshFolder("data"));
  request.screens = screens, request.currentMonitor = currentMonitor;
  RunWell(request);
  return request.dataDir;
}

}  // namespace lenvari
