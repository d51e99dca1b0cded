#include <gtest/gtest.h>

#include <QLocalServer>

#include <unistd.h>

#include <filesystem>

#include "platform/DisplayCheck.h"

namespace lenvari {
namespace {

bool Mentions(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(DisplayCheck, PassesWithoutAScreenAndOtherwiseSaysInOneLineWhatIsMissing) {
  DisplayEnvironment none;  // nothing set at all
  // (Its sentence, on one line before any window, is the program run's test.)
  EXPECT_TRUE(Mentions(DisplayProblem(none), "-platform offscreen")) << DisplayProblem(none);
  none.qpaPlatform = "offscreen:configfile=screens.json";
  EXPECT_EQ(DisplayProblem(none), "");
  none.qpaPlatform = "xcb",
  none.platformOption = "minimal";  // the option wins over the environment
  EXPECT_EQ(DisplayProblem(none), "");

  DisplayEnvironment x11Asked;
  x11Asked.platformOption = "xcb", x11Asked.waylandDisplay = "wayland-0";
  EXPECT_TRUE(Mentions(DisplayProblem(x11Asked), "DISPLAY is not set"));
  // A display number where no server listens (the socket folder has none this high).
  for (const char* display : {":64999", "nonsense"}) {
    DisplayEnvironment gone;
    gone.display = display;
    EXPECT_TRUE(Mentions(DisplayProblem(gone),
                         "cannot connect to DISPLAY \"" + std::string(display) + "\""));
  }
}

TEST(DisplayCheck, AReachableWaylandSocketPasses) {
  const std::string folder = std::filesystem::temp_directory_path() / ("lenvari-display-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  DisplayEnvironment wayland;
  wayland.waylandDisplay = "wayland-test", wayland.runtimeDir = folder;
  EXPECT_TRUE(Mentions(DisplayProblem(wayland), "cannot connect to WAYLAND_DISPLAY \"wayland-test\""));
  {
    QLocalServer compositor;  // a listening socket stands in for a Wayland compositor
    ASSERT_TRUE(compositor.listen(QString::fromStdString(folder + "/wayland-test")));
    EXPECT_EQ(DisplayProblem(wayland), "");
    wayland.platformOption = "xcb";  // asked for X11, which is not there
    EXPECT_TRUE(Mentions(DisplayProblem(wayland), "DISPLAY is not set"));
  }
  std::filesystem::remove_all(folder);
}

TEST(DisplayCheck, AWaylandSessionWithXwaylandRunsOnX11UnlessAPlatformWasChosen) {
  DisplayEnvironment session;
  session.waylandDisplay = "wayland-0";
  session.display = "/tmp/launch-test/x11:0";  // a socket path is taken as reachable
  EXPECT_EQ(PreferredPlatform(session), "xcb");
  // Qt's own choice stands for a chosen platform, no X server, or X11 alone.
  for (const auto& change : {+[](DisplayEnvironment& e) { e.qpaPlatform = "wayland"; },
                             +[](DisplayEnvironment& e) { e.platformOption = "wayland"; },
                             +[](DisplayEnvironment& e) { e.display.clear(); },
                             +[](DisplayEnvironment& e) { e.display = ":64999"; },
                             +[](DisplayEnvironment& e) { e.waylandDisplay.clear(); }}) {
    DisplayEnvironment changed = session;
    change(changed);
    EXPECT_EQ(PreferredPlatform(changed), "") << changed.display << "|" << changed.waylandDisplay;
  }
}

}  // namespace
}  // namespace lenvari
