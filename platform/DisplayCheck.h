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

// The platform to ask Qt for when the user chose none: "xcb" in a Wayland session that also
// offers X11 (Xwayland), because a Wayland client cannot place its windows and the compositors
// put the control window and the monitor window on the patient's output, under the chart; ""
// to leave Qt's own choice. A platform the user named (QT_QPA_PLATFORM, -platform) is kept.
std::string PreferredPlatform(const DisplayEnvironment& environment);

}  // namespace lenvari
