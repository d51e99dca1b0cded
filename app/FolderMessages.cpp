#include "app/FolderMessages.h"

#include "store/DataFolder.h"
#include "store/LetterSetFiles.h"
#include "store/PresetFile.h"

namespace lenvari {
namespace {

constexpr const char* kTitle = "Lenvari Acuity";

void AddLine(std::string& text, const std::string& folder, const std::string& name,
             const std::string& reason) {
  if (reason.empty()) return;
  text += ResolveDataFile(folder, name) + ": " + reason + "\\n";
}

}  // namespace

std::string UnreadableFilesText(const State& state) {
  std::string lines;
  AddLine(lines, state.DataPath, "lvmonitordata.cfg", state.monitors.DataFileUnreadable);
  for (int n = 1; n <= kMaxMonitors; ++n)
    AddLine(lines, state.DataPath, std::to_string(n) + "lvconfig.cfg",
            state.settings.FileUnreadable[n]);
  AddLine(lines, state.DataPath, PresetFileName(state.presets.LoadedMonitor),
          state.presets.FileUnreadable);
  for (int f = 0; f <= kLetterSetFiles; ++f)
    AddLine(lines, state.DataPath, LetterSetFileName(f), state.letters.FileUnreadable[f]);
  if (lines.empty()) return "";
  return "These files could not be read:\\n\\n" + lines +
         "\\nThey are left as they are. Until the program ends it uses the default values "
         "in their place and does not save over them.";
}

void ReportUnreadableFiles(ProgramContext& context) {
  const std::string text = UnreadableFilesText(context.state);
  if (!text.empty()) context.console.ConsoleMessageBox(text, kMbIconExclamation, kTitle);
}

void ReportSaveFailure(ProgramContext& context) {
  State& state = context.state;
  if (state.SaveFailure.empty() || state.SaveFailureShown) return;
  state.SaveFailureShown = true;
  context.console.ConsoleMessageBox(
      "The settings could not be saved in " + state.SaveFailure +
          "\\n\\nWhat you change stays in effect until the program ends, but it is not "
          "stored for the next start.",
      kMbIconExclamation, kTitle);
}

}  // namespace lenvari
