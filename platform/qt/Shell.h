#pragma once
// The operating system's shell: default handlers, the folder chooser, file choosers' filters.

#include <string>

namespace lenvari {

// Opens a file, folder or web address with the handler the desktop has for it. A path that
// exists (absolute or relative to the current folder) is opened as a file; anything else is
// taken as an address ("www.example.com" becomes an http address). False when no handler
// accepted it.
bool OpenWithDefaultHandler(const std::string& pathOrUrl);

// The folder chooser. Starts in `startFolder` (the home folder when empty); returns the chosen
// folder without a trailing separator, or "" when cancelled.
std::string ChooseFolder(const std::string& title, const std::string& startFolder);

// A file chooser's filter: either Qt's form ("Video Files (*.mp4 *.avi);;All Files (*)") or
// pairs of description and patterns separated by "|" ("Video Files (*.MP4, *.AVI)|*.MP4;*.AVI|").
// The filter pairs of the "|" form in Qt's form; Qt's form is returned as it is.
std::string QtFileFilter(const std::string& filter);

}  // namespace lenvari
