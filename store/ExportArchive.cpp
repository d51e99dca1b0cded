#include "store/ExportArchive.h"

#include <filesystem>

#include "platform/FolderLock.h"
#include "store/OwnFiles.h"

namespace lenvari {

bool LeftOutOfArchive(const std::string& entryName) {
  // Only the folder's own top level holds the lock and the saves' temporary files.
  if (entryName.find('/') != std::string::npos) return false;
  return entryName == kFolderLockFileName || IsLeftoverOfSave(entryName);
}

bool ExportArchive(const std::string& dataPath, const std::function<std::string()>& chooseFolder,
                   ZipResult* outcome) {
  const std::string folder = chooseFolder();
  if (folder.empty()) return false;
  const std::filesystem::path archive = std::filesystem::path(folder) / kArchiveFileName;
  ZipResult result = WriteFolderToZip(dataPath, archive.string(), LeftOutOfArchive);
  const bool written = result.written;
  if (outcome) *outcome = std::move(result);
  return written;
}

std::string ExportOutcomeText(const ZipResult& result) {
  std::string text;
  if (!result.written) {
    text = "The archive could not be written:\\n" + result.reason +
           "\\n\\nNo archive was made; one made before in that folder is left as it was.";
  } else if (!result.leftOut.empty()) {
    text = "The archive was written, but these are not files of the data folder and were left "
           "out of it:";
  }
  if (!result.written && !result.leftOut.empty()) text += "\\n\\nThese would have been left out:\\n";
  for (const std::string& entry : result.leftOut) text += "\\n" + entry;
  return text;
}

}  // namespace lenvari
