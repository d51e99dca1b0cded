#include "store/ExportArchive.h"

#include <filesystem>

#include "platform/ConsoleHost.h"
#include "platform/ZipArchive.h"

namespace lenvari {

bool ExportArchive(const std::string& dataPath,
                   const std::function<std::string()>& chooseFolder) {
  const std::string folder = chooseFolder();
  if (folder.empty()) return false;
  const std::filesystem::path archive = std::filesystem::path(folder) / kArchiveFileName;
  return WriteFolderToZip(dataPath, archive.string());
}

void ExportCommand(const ExportMessageBox& messageBox, const std::string& dataPath,
                   const std::function<std::string()>& chooseFolder) {
  if (messageBox(kExportPromptText, kMbOkCancel, kExportTitle) != kIdOk) return;
  ExportArchive(dataPath, chooseFolder);
}

}  // namespace lenvari
