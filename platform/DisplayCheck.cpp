#include "platform/DisplayCheck.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>

#ifndef _WIN32
#include <netdb.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace lenvari {
namespace {

constexpr const char* kHint = "; to run without a screen add \"-platform offscreen\" (see the README)";

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

#ifndef _WIN32

// "xcb:option=..." and "wayland;xcb" both start with the plugin that is tried first.
std::string PluginName(const std::string& platform) {
  return platform.substr(0, platform.find_first_of(":;"));
}

bool ConnectsToLocalSocket(const std::string& path, bool abstract) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::size_t offset = abstract ? 1 : 0;
  if (path.size() + offset >= sizeof(address.sun_path)) return false;
  std::memcpy(address.sun_path + offset, path.data(), path.size());
  const socklen_t length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size());
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  if (fd < 0) return false;
  const bool connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0;
  ::close(fd);
  return connected;
}

bool ConnectsToTcp(const std::string& host, int port) {
  addrinfo hints{};
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) return false;
  bool connected = false;
  for (addrinfo* a = found; a && !connected; a = a->ai_next) {
    const int fd = ::socket(a->ai_family, a->ai_socktype, a->ai_protocol);
    if (fd < 0) continue;
    connected = ::connect(fd, a->ai_addr, a->ai_addrlen) == 0;
    ::close(fd);
  }
  ::freeaddrinfo(found);
  return connected;
}

// DISPLAY is [host]:number[.screen]; an empty host (or "unix") means this machine's socket.
bool ReachesX11(const std::string& display) {
  const std::size_t colon = display.rfind(':');
  if (colon == std::string::npos) return false;
  const std::string host = display.substr(0, colon);
  const std::string rest = display.substr(colon + 1);
  const std::string number = rest.substr(0, rest.find('.'));
  if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos) return false;
  if (host.empty() || host == "unix") {
    const std::string socket = "/tmp/.X11-unix/X" + number;
    return ConnectsToLocalSocket(socket, false) || ConnectsToLocalSocket(socket, true);
  }
  // An ssh-forwarded display is "localhost:10"; a display path such as a launchd socket is
  // left to Qt.
  if (host.front() == '/') return true;
  return ConnectsToTcp(host, 6000 + std::atoi(number.c_str()));
}

bool ReachesWayland(const std::string& name, const std::string& runtimeDir) {
  if (name.front() == '/') return ConnectsToLocalSocket(name, false);
  if (runtimeDir.empty()) return false;
  return ConnectsToLocalSocket(runtimeDir + "/" + name, false);
}

#endif

}  // namespace

DisplayEnvironment ReadDisplayEnvironment(int argc, char** argv) {
  DisplayEnvironment environment;
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
      environment.platformOption = argv[i + 1];
  environment.qpaPlatform = Environment("QT_QPA_PLATFORM");
  environment.display = Environment("DISPLAY");
  environment.waylandDisplay = Environment("WAYLAND_DISPLAY");
  environment.runtimeDir = Environment("XDG_RUNTIME_DIR");
  return environment;
}

std::string DisplayProblem(const DisplayEnvironment& environment) {
#ifdef _WIN32
  (void)environment;
  return "";
#else
  const std::string chosen =
      PluginName(environment.platformOption.empty() ? environment.qpaPlatform : environment.platformOption);
  const bool wantsX11 = chosen == "xcb";
  const bool wantsWayland = chosen.rfind("wayland", 0) == 0;
  if (!chosen.empty() && !wantsX11 && !wantsWayland) return "";

  const std::string& x11 = environment.display;
  const std::string& wayland = environment.waylandDisplay;
  if ((wantsX11 || chosen.empty()) && !x11.empty() && ReachesX11(x11)) return "";
  if ((wantsWayland || chosen.empty()) && !wayland.empty() && ReachesWayland(wayland, environment.runtimeDir))
    return "";

  if (wantsX11 && x11.empty()) return std::string("no display: DISPLAY is not set") + kHint;
  if (wantsWayland && wayland.empty()) return std::string("no display: WAYLAND_DISPLAY is not set") + kHint;
  if (x11.empty() && wayland.empty())
    return std::string("no display: neither DISPLAY nor WAYLAND_DISPLAY is set") + kHint;
  std::string tried;
  if (!x11.empty() && !wantsWayland) tried = "DISPLAY \"" + x11 + "\"";
  if (!wayland.empty() && !wantsX11)
    tried += (tried.empty() ? "" : " or ") + std::string("WAYLAND_DISPLAY \"") + wayland + "\"";
  return "no display: cannot connect to " + tried + kHint;
#endif
}

std::string PreferredPlatform(const DisplayEnvironment& environment) {
  if (!environment.platformOption.empty() || !environment.qpaPlatform.empty()) return "";
  if (environment.waylandDisplay.empty() || environment.display.empty()) return "";
#ifdef _WIN32
  return "";
#else
  return ReachesX11(environment.display) ? "xcb" : "";
#endif
}

}  // namespace lenvari
