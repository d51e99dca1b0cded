#include "app/examiner/FolderMessages.h"

#include <algorithm>

#include "store/DataFolder.h"
#include "store/LetterSetFiles.h"
#include "store/OwnFiles.h"
#include "store/PresetFile.h"

namespace lenvari {
namespace {

constexpr const char* kTitle = "Lenvari Acuity";

void AddLine(std::vector<std::string>& lines, const std::string& folder, const std::string& name,
             const std::string& reason) {
  if (reason.empty()) return;
  lines.push_back(ResolveDataFile(folder, name) + ": " + reason);
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\\n";
  return text;
}

}  // namespace

std::string UnreadableFilesText(const State& state) {
  std::vector<std::string> lines;
  AddLine(lines, state.DataPath, "lvmonitordata.cfg", state.monitors.DataFileUnreadable);
  for (int n = 1; n <= kMaxMonitors; ++n)
    AddLine(lines, state.DataPath, std::to_string(n) + "lvconfig.cfg",
            state.settings.FileUnreadable[n]);
  AddLine(lines, state.DataPath, PresetFileName(state.presets.LoadedMonitor),
          state.presets.FileUnreadable);
  for (int f = 0; f <= kLetterSetFiles; ++f)
    AddLine(lines, state.DataPath, LetterSetFileName(f), state.letters.FileUnreadable[f]);
  for (const auto& [name, reason] : state.OwnFilesUnreadable)
    AddLine(lines, state.DataPath, name, reason);
  // The pictures are read only when shown; what cannot be read under their names is said now.
  for (const std::string& line : OwnNamesThatAreNotFiles(state.DataPath)) {
    const std::string path = line.substr(0, line.rfind(": it is "));
    const bool named = std::any_of(lines.begin(), lines.end(), [&](const std::string& l) {
      return l.starts_with(path + ": ");
    });
    if (!named) lines.push_back(line);
  }
  if (lines.empty()) return "";
  return "These files could not be read:\\n\\n" + Lines(lines) +
         "\\nThey are left as they are. Until the program ends it uses the default values "
         "in their place and does not save over them.";
}

std::string SetAsideFilesText(const State& state) {
  std::string text;
  for (const std::string& entry : state.FilesSetAside) text += entry + "\\n\\n";
  const LetterSets& letters = state.letters;
  if (!letters.Unusable.empty() || !letters.KeptAs.empty()) {
    text += letters.Unusable.empty()
                ? std::string("A letter-set file was missing")
                : "These letter-set files could not be read as letter sets:\\n" +
                      Lines(letters.Unusable);
    text += letters.Unusable.empty() ? ", so " : "\\nSo ";
    text += "the built-in letter sets have taken the place of all letter-set files.";
    if (!letters.KeptAs.empty())
      text += " What the files held is kept in:\\n" + Lines(letters.KeptAs);
  }
  while (text.ends_with("\\n")) text.resize(text.size() - 2);
  return text;
}

void ReportUnreadableFiles(ProgramContext& context) {
  const std::string text = UnreadableFilesText(context.state);
  if (!text.empty()) context.console.ConsoleMessageBox(text, kMbIconExclamation, kTitle);
  const std::string setAside = SetAsideFilesText(context.state);
  if (!setAside.empty()) context.console.ConsoleMessageBox(setAside, kMbIconExclamation, kTitle);
}

void ReportSaveFailure(ProgramContext& context) {
  State& state = context.state;
  std::vector<std::string> untold = TakeUntoldSaveFailures(state.saveFailures);
  if (untold.empty()) return;
  const std::string folder = state.DataPath + "/";
  for (std::string& entry : untold)
    if (entry.starts_with(folder)) entry.erase(0, folder.size());
  context.console.ConsoleMessageBox(
      "The settings could not be saved in " + state.DataPath + ":\\n\\n" + Lines(untold) +
          "\\nWhat you change stays in effect until the program ends, but it is not "
          "stored for the next start.",
      kMbIconExclamation, kTitle);
}

}  // namespace lenvari
