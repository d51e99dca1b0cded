#pragma once
// Ending the program from deep inside the input loop: thrown, and caught by main(), so every
// window and file is closed on the way out.

namespace lenvari {

struct ProgramEnd {
  int exitCode = 0;
};

}  // namespace lenvari
