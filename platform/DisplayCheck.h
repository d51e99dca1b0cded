#pragma once
// Whether the window system the program is about to open can be reached, checked before Qt
// starts: Qt itself ends the process with an abort when it finds no display.

#include <string>

namespace lenvari {

// What decides where the windows go: the -platform option, and the environment.
struct DisplayEnvironment {
  std::string platformOption;  // the value of "-platform NAME", or empty
  std::string qpaPlatform;     // QT_QPA_PLATFORM
  std::string display;         // DISPLAY
  std::string waylandDisplay;  // WAYLAND_DISPLAY
  std::string runtimeDir;      // XDG_RUNTIME_DIR
};

DisplayEnvironment ReadDisplayEnvironment(int argc, char** argv);

// Empty when the windows can be opened; otherwise one line that says what is missing and how
// to run without a screen. Platforms that need no display (offscreen, minimal, ...) always pass.
std::string DisplayProblem(const DisplayEnvironment& environment);

}  // namespace lenvari
