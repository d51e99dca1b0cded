#pragma once
// What the examiner is told about the data folder: files that could not be read at start,
// files that were set aside and replaced, and saves that failed (each file and reason once).

#include "app/loop/ProgramContext.h"

namespace lenvari {

// The text naming every file of the data folder that exists but could not be read, with the
// reason, and every name of the program's files under which something else than a file
// stands; empty when there is none.
std::string UnreadableFilesText(const State& state);

// The text naming the files that were read but could not be used and were replaced, each
// with the name of the backup that keeps what it held; empty when there is none.
std::string SetAsideFilesText(const State& state);

// Shows `UnreadableFilesText` and `SetAsideFilesText` when they are not empty.
void ReportUnreadableFiles(ProgramContext& context);

// Shows the failed saves the examiner has not been told of, in one box.
void ReportSaveFailure(ProgramContext& context);

}  // namespace lenvari
