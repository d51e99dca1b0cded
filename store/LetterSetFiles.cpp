#include "store/LetterSetFiles.h"

#include <algorithm>
#include <optional>

#include "common/NumberText.h"
#include "store/BuiltInLetterSets.h"
#include "store/DataFolder.h"
#include "store/FieldReader.h"
#include "store/ValueWriter.h"

namespace lenvari {
namespace {

// A field that the reader could only have taken from double quotes (one holding a comma,
// starting with a blank or with a double quote) goes back into them; written bare it would
// split into two fields or lose its end, and make the whole file unreadable at the next start.
// The format has no way to write a double quote inside quotes, so such a field loses its
// double quotes; the reader could never have given it one.
std::string FieldText(const std::string& text) {
  const bool needsQuotes = text.find_first_of(",\r\n") != std::string::npos ||
                           text.starts_with(' ') || text.starts_with('\t') ||
                           text.starts_with('"');
  if (!needsQuotes) return text;
  std::string quoted = "\"";
  for (char c : text)
    if (c != '"' && c != '\r' && c != '\n') quoted += c;
  return quoted + '"';
}

}  // namespace

std::string LetterSetFileName(int f) { return "LV" + std::to_string(f) + ".LET"; }

std::string LetterSetFileText(const LetterSets& letters, int f) {
  const int sizes = std::clamp(letters.NumSizes[f], 0, kMaxSizes);
  const int sets = std::clamp(letters.NumLetterSets[f], 0, kMaxLetterSets);
  std::string text;
  AppendLine(text, FieldText(letters.LetterSetName[f]));
  AppendLine(text, IntegerValue(letters.NumSizes[f]) + "," + IntegerValue(letters.NumLetterSets[f]) +
                       "," + IntegerValue(letters.SnellenNumerator[f]));
  for (int j = sizes; j >= 1; --j) {
    std::string row = RealValue(letters.LetterSize[f][j]);
    for (int s = 1; s <= sets; ++s) {
      row += ',';
      row += FieldText(letters.LetterLines[f][s][j]);
    }
    AppendLine(text, row);
  }
  return text;
}

bool ReadLetterSetText(LetterSets& letters, int f, std::string_view text) {
  if (f < 0 || f > kLetterSetFiles) return false;
  FieldReader reader{text};
  std::string name;
  double sizes = 0, sets = 0, numerator = 0;
  if (!ReadStringField(reader, name) || !ReadNumberField(reader, sizes) ||
      !ReadNumberField(reader, sets) || !ReadNumberField(reader, numerator))
    return false;
  // The tables hold 20 sizes of 8 sets; a file declaring more, or none, is not one of ours.
  const int numSizes = IntegerOf(sizes);
  const int numSets = IntegerOf(sets);
  if (numSizes < 1 || numSizes > kMaxSizes || numSets < 1 || numSets > kMaxLetterSets)
    return false;
  letters.LetterSetName[f] = name;
  letters.NumSizes[f] = numSizes;
  letters.NumLetterSets[f] = numSets;
  letters.SnellenNumerator[f] = StoredInteger(IntegerOf(numerator));
  letters.MaxColumns[f] = 0;
  for (int j = letters.NumSizes[f]; j >= 1; --j) {
    double denominator = 0;
    if (!ReadNumberField(reader, denominator)) return false;
    letters.LetterSize[f][j] = StoredReal(RealOf(denominator));
    for (int s = 1; s <= letters.NumLetterSets[f]; ++s) {
      std::string line;
      if (!ReadStringField(reader, line)) return false;
      line = TrimBlanks(line);
      letters.LetterLines[f][s][j] = line;
      if (j == 1) letters.LetterLines[f][s][0] = line;
      letters.MaxColumns[f] = std::max(letters.MaxColumns[f], static_cast<int>(line.size()));
    }
  }
  return true;
}

bool SaveLetterSets(const LetterSets& letters, const std::string& dataPath,
                    SaveFailures* failures) {
  bool written = true;
  for (int f = 0; f <= kLetterSetFiles; ++f) {
    if (!letters.FileUnreadable[f].empty()) continue;  // still holds what it held
    const std::string path = ResolveDataFile(dataPath, LetterSetFileName(f));
    std::string reason;
    if (WriteFileAtomically(path, LetterSetFileText(letters, f), &reason)) continue;
    written = false;
    if (failures) NoteSaveFailure(*failures, path, reason);
  }
  return written;
}

bool LoadLetterSets(LetterSets& letters, ChartState& chart, const std::string& dataPath) {
  chart.LetterSet = 1;
  bool allRead = true;
  letters.Unusable.clear();
  letters.KeptAs.clear();
  for (int f = 0; f <= kLetterSetFiles; ++f) {
    const std::string path = ResolveDataFile(dataPath, LetterSetFileName(f));
    const FileRead read = ReadDataFile(path);
    letters.FileUnreadable[f] = read.status == FileRead::Status::Unreadable ? read.reason : "";
    if (read.status == FileRead::Status::Unreadable) {
      FillBuiltInLetterSet(letters, f);  // for this run only
      continue;
    }
    if (!read.Read()) {
      allRead = false;
    } else if (!ReadLetterSetText(letters, f, read.bytes)) {
      allRead = false;
      letters.Unusable.push_back(path);
    }
  }
  if (allRead) return true;
  // The rebuild replaces every file but those that could not be read. Each one whose content
  // differs is copied aside under a name of its own before it is replaced, so a start killed
  // half-way and started again finds the built-in content in place and copies nothing over.
  for (int f = 0; f <= kLetterSetFiles; ++f) {
    if (!letters.FileUnreadable[f].empty()) continue;
    FillBuiltInLetterSet(letters, f);
    const std::string path = ResolveDataFile(dataPath, LetterSetFileName(f));
    const std::string text = LetterSetFileText(letters, f);
    if (const std::string backup = KeepBackup(path, &text); !backup.empty())
      letters.KeptAs.push_back(backup);
    WriteFileAtomically(path, text);
  }
  return false;
}

}  // namespace lenvari
