#pragma once
// What the command line asked for.

#include <string>

namespace lenvari {

struct RunOptions {
  std::string dataDir;     // --data-dir
  std::string keys;        // --keys
  bool hasKeys = false;
  std::string answers;     // --answers
  bool hasAnswers = false;
  std::string framesDir;   // --frames
  unsigned seed = 0;       // --seed
  bool hasSeed = false;
  bool help = false;
  bool version = false;
  std::string error;       // a message when the command line could not be read

  // A run driven by a script or answers answers its own windows.
  bool NonInteractive() const { return hasKeys || hasAnswers; }
};

// Reads the program's arguments; Qt's own, such as -platform NAME, are passed over.
RunOptions ParseCommandLine(int argc, char** argv);

std::string HelpText();

}  // namespace lenvari
