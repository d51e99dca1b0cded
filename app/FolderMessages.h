#pragma once
// What the examiner is told about the data folder: files that could not be read at start, and
// the first save that failed. Each is said once per run, in one message box.

#include "app/ProgramContext.h"

namespace lenvari {

// The text naming every file of the data folder that exists but could not be read, with the
// reason; empty when there is none.
std::string UnreadableFilesText(const State& state);

// Shows `UnreadableFilesText` when it is not empty.
void ReportUnreadableFiles(ProgramContext& context);

// Shows the first failed save of the run, once.
void ReportSaveFailure(ProgramContext& context);

}  // namespace lenvari
