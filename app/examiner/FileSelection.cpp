#include "app/examiner/FileSelection.h"

#include "platform/qt/FileDialog.h"

namespace lenvari {

std::string SELECTBMP(std::string& folder, std::string& file) {
  return OpenFileDialog(kSelectImageTitle, kSelectImageFilter, folder, file);
}

std::string SELECTVIDEO(std::string& folder, std::string& file) {
  return OpenFileDialog(kSelectVideoTitle, kSelectVideoFilter, folder, file);
}

}  // namespace lenvari
