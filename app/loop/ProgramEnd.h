#pragma once
// Ending the program from deep inside the input loop: thrown, and caught by main(), so every
// window and file is closed on the way out.

namespace lenvari {

// A start refused because another run uses the same data folder.
constexpr int kDataFolderInUseExitCode = 4;
// A scripted run that could not write a frame it was asked for.
constexpr int kFrameWriteFailedExitCode = 3;

struct ProgramEnd {
  int exitCode = 0;
};

}  // namespace lenvari
