#pragma once
// The examiner's export of the data folder: the confirmation, the folder chooser, and what the
// examiner is told afterwards.

#include <functional>
#include <string>

namespace lenvari {

inline constexpr const char* kExportTitle = "Lenvari Export to ZIP File";
inline constexpr const char* kExportFolderTitle = "Select Folder";
inline constexpr const char* kExportPromptText =
    "Please select the directory to save the Lenvari Archive.  The file will "
    "be named 'Lenvari Archive.zip' and can be copied back to the Program Data directory "
    "to migrate your system's configuration to another computer";

// Shows a message box (text, style flags, title) and returns the button pressed; the console's
// ConsoleMessageBox.
using ExportMessageBox = std::function<int(const std::string&, int, const std::string&)>;

// The export command: the confirmation box (OK and Cancel), and the export only on OK. A
// failure is said, as are entries left out; a complete archive is silent.
void ExportCommand(const ExportMessageBox& messageBox, const std::string& dataPath,
                   const std::function<std::string()>& chooseFolder);

}  // namespace lenvari
