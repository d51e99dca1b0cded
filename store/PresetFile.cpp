#include "store/PresetFile.h"

#include <optional>

#include "store/BuiltInPresets.h"
#include "store/DataFolder.h"
#include "store/FieldReader.h"
#include "store/ValueWriter.h"

namespace lenvari {
namespace {

constexpr int kStoredFields = 16;  // fields 0 .. 15 are written by a store; the rest are spare
constexpr int kFileFields = kPresetCount * kPresetFields;

// Mode, JustOneLetter and the spare fields hold text; the others hold numbers.
bool IsTextField(int k) { return k == 1 || k == 8 || k >= kStoredFields; }

}  // namespace

std::string PresetFileName(int monitor) { return std::to_string(monitor) + "presets.cfg"; }

std::string PresetFileText(const Presets& presets) {
  std::string text;
  for (int n = 1; n <= kPresetCount; ++n)
    for (int k = 0; k < kPresetFields; ++k) {
      const std::string& field = presets.PresetTable[n][k];
      // A number is written as a store gives it, leading blank included (" 40").
      AppendLine(text, IsTextField(k) ? LineText(field) : field);
    }
  return text;
}

int ReadPresetText(Presets& presets, std::string_view text) {
  FieldReader reader{text};
  std::string field;
  for (int i = 0; i < kFileFields; ++i) {
    // One field per line: a comma typed into a text field stays in it instead of shifting
    // every later field of the file.
    if (!ReadLineField(reader, field)) return i;
    // Blanks before a number mean nothing, also when it stood in double quotes; kept, they
    // would be written without the quotes and then read as another text.
    if (!IsTextField(i % kPresetFields)) field.erase(0, field.find_first_not_of(' '));
    presets.PresetTable[1 + i / kPresetFields][i % kPresetFields] = field;
  }
  return kFileFields;
}

void CompletePresetTable(Presets& presets, int fieldsRead) {
  for (int n = 1; n <= kPresetCount; ++n) {
    const int readOfThis = fieldsRead - (n - 1) * kPresetFields;
    if (readOfThis >= kPresetFields) continue;
    if (readOfThis < kStoredFields) {
      FillBuiltInPreset(presets, n);
    } else {
      for (int k = readOfThis; k < kPresetFields; ++k) presets.PresetTable[n][k].clear();
    }
  }
}

void LoadPresetFile(Presets& presets, int monitor, const std::string& dataPath) {
  const std::string path = ResolveDataFile(dataPath, PresetFileName(monitor));
  presets.LoadedMonitor = monitor;
  const FileRead read = ReadDataFile(path);
  presets.FileUnreadable = read.status == FileRead::Status::Unreadable ? read.reason : "";
  if (!read.Read()) {
    FillBuiltInPresets(presets);
    return;
  }
  const int fieldsRead = ReadPresetText(presets, read.bytes);
  if (fieldsRead < kFileFields) {
    KeepBackup(path);
    CompletePresetTable(presets, fieldsRead);
  }
}

bool SavePresetFile(const Presets& presets, int monitor, const std::string& dataPath,
                    std::string* reason) {
  // The presets stored in a file that could not be read are still in it.
  if (monitor == presets.LoadedMonitor && !presets.FileUnreadable.empty()) return true;
  return WriteFileAtomically(ResolveDataFile(dataPath, PresetFileName(monitor)),
                             PresetFileText(presets), reason);
}

}  // namespace lenvari
