#include "app/commands/ExportCommand.h"

#include "platform/ConsoleHost.h"
#include "store/ExportArchive.h"

namespace lenvari {

void ExportCommand(const ExportMessageBox& messageBox, const std::string& dataPath,
                   const std::function<std::string()>& chooseFolder) {
  if (messageBox(kExportPromptText, kMbOkCancel, kExportTitle) != kIdOk) return;
  bool chosen = false;
  ZipResult result;
  ExportArchive(dataPath, [&] {
    const std::string folder = chooseFolder();
    chosen = !folder.empty();
    return folder;
  }, &result);
  if (!chosen) return;
  if (const std::string text = ExportOutcomeText(result); !text.empty())
    messageBox(text, kMbIconExclamation, kExportTitle);
}

}  // namespace lenvari
