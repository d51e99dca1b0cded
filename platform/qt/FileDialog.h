#pragma once
// The open-file chooser every "select a file" command goes through: a title, a filter, a
// starting folder and an initial file name in, the chosen path out. Only an existing file can
// be chosen. It is the toolkit's own dialog (not the desktop's), so a scripted run finds it as
// an ordinary modal window and answers it with a path.
//
// Not here: saving, several files at once, folders (see Shell.h).

#include <string>

namespace lenvari {

// `filter` is pairs of description and ";"-separated patterns, each ended by "|"
// ("Video Files (*.MP4, *.AVI)|*.MP4;*.AVI|"), or Qt's own form; the first entry is selected,
// and patterns match without regard to letter case ("*.JPG" shows "photo.jpg"). An empty
// `folder` starts in the current directory. Returns the chosen file's full path, or "" when
// the dialog was cancelled.
std::string OpenFileDialog(const std::string& title, const std::string& filter,
                           const std::string& folder, const std::string& file);

// Each letter of a pattern as a bracket of both its cases ("*.Jpg" -> "*.[Jj][Pp][Gg]"), the
// form the dialog's filter needs to ignore letter case on a case-sensitive file system.
std::string CaseBlindPattern(const std::string& pattern);

}  // namespace lenvari
