#pragma once
// The operating system's shell: default handlers, other programs, file and folder choosers.

#include <string>
#include <vector>

#include "platform/ConsoleHost.h"

namespace lenvari {

// Opens a file, folder or web address with the handler the desktop has for it. A path that
// exists (absolute or relative to the current folder) is opened as a file; anything else is
// taken as an address ("www.example.com" becomes an http address). False when no handler
// accepted it.
bool OpenWithDefaultHandler(const std::string& pathOrUrl);

// Starts `program` with the arguments, each passed as one argument (no quoting needed), as a
// process of its own that outlives this one; the caller does not wait. False when it could
// not be started.
bool StartProcess(const std::string& program, const std::vector<std::string>& arguments);

// The folder chooser. Starts in `startFolder` (the home folder when empty); returns the chosen
// folder without a trailing separator, or "" when cancelled.
std::string ChooseFolder(const std::string& title, const std::string& startFolder);

// A file chooser's filter: either Qt's form ("Video Files (*.mp4 *.avi);;All Files (*)") or
// pairs of description and patterns separated by "|" ("Video Files (*.MP4, *.AVI)|*.MP4;*.AVI|").
// The filter pairs of the "|" form in Qt's form; Qt's form is returned as it is.
std::string QtFileFilter(const std::string& filter);

// Closes every visible top-level window titled exactly `title`, as its close button would.
// This process's own windows are closed directly. On X11 a window of another program is
// outside the toolkit's reach: the request is handed to the "wmctrl" tool when it is
// installed (exact title match); without it such a window stays open. Returns true when a
// window of this process was closed or the request was handed on. It never waits.
bool CloseWindowByTitle(const std::string& title);

}  // namespace lenvari
