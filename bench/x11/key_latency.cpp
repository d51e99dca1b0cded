// Measures, on a real X server, how long the chart takes to show what a key asked for: the
// time from a synthetic key press to the X server's damage notification of the chart window
// (the moment its new pixels have reached the screen), and the time from starting the program
// to its first chart frame. A measuring program, not a test: it prints figures, asserts none.
//
//   key_latency startup RUNS PROGRAM ARGS...   start the program RUNS times
//   key_latency keys PRESSES PROGRAM ARGS...   start it once, then press "r" PRESSES times at
//                                              random gaps of 40-140 ms
//   key_latency letters PRESSES PROGRAM ARGS...  the same with the capital letters "C" and "D"
//                                              in turn: "C" can begin a handheld remote's word
//                                              and waits for the keys that would follow it,
//                                              "D" begins none; each is reported on its own
//
// The chart window is the mapped top-level window as large as the screen; its first chart
// frame is the first damage after which its top-right corner is white and a strip down its
// middle holds dark ink (the letters of a letter chart; the About box may stand over the
// top-left corner). A window that is only white, as it is when first shown, is no chart yet:
// the time to that is printed too.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Server {
  Display* display = nullptr;
  Window root = 0;
  int width = 0, height = 0;
  int damageEvent = 0, damageError = 0;
};

pid_t Start(char** argv) {
  const pid_t pid = fork();
  if (pid == 0) {
    execvp(argv[0], argv);
    std::perror("exec");
    _exit(127);
  }
  return pid;
}

void Stop(pid_t pid) {
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
}

// The mapped child of the root window that covers the whole screen, or 0.
Window FindChartWindow(Server& server) {
  Window rootReturn = 0, parent = 0;
  Window* children = nullptr;
  unsigned count = 0;
  Window found = 0;
  if (!XQueryTree(server.display, server.root, &rootReturn, &parent, &children, &count)) return 0;
  for (unsigned i = 0; i < count; ++i) {
    XWindowAttributes a;
    if (!XGetWindowAttributes(server.display, children[i], &a)) continue;
    if (a.map_state == IsViewable && a.width == server.width && a.height == server.height)
      found = children[i];
  }
  if (children) XFree(children);
  return found;
}

bool CornerIsWhite(const Server& server, Window window) {
  XImage* image = XGetImage(server.display, window, server.width - 4, 4, 1, 1, AllPlanes, ZPixmap);
  if (!image) return false;
  const unsigned long pixel = XGetPixel(image, 0, 0);
  XDestroyImage(image);
  return (pixel & 0xFFFFFF) == 0xFFFFFF;
}

// The rectangles of the mapped windows stacked above `chart` (the About box stands over the
// middle of the chart for its first seconds).
std::vector<XRectangle> WindowsAbove(Server& server, Window chart) {
  std::vector<XRectangle> above;
  Window rootReturn = 0, parent = 0;
  Window* children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(server.display, server.root, &rootReturn, &parent, &children, &count)) return above;
  bool past = false;
  for (unsigned i = 0; i < count; ++i) {  // bottom to top
    if (children[i] == chart) {
      past = true;
      continue;
    }
    XWindowAttributes a;
    if (!past || !XGetWindowAttributes(server.display, children[i], &a) || a.map_state != IsViewable)
      continue;
    above.push_back({static_cast<short>(a.x), static_cast<short>(a.y),
                     static_cast<unsigned short>(a.width), static_cast<unsigned short>(a.height)});
  }
  if (children) XFree(children);
  return above;
}

// Dark ink in a strip 512 pixels wide down the middle of the window (the letters), outside
// every window standing above it.
bool MiddleHasInk(Server& server, Window window) {
  const int strip = std::min(512, server.width), left = server.width / 2 - strip / 2;
  const std::vector<XRectangle> above = WindowsAbove(server, window);
  XImage* image = XGetImage(server.display, window, left, 0, strip, server.height, AllPlanes, ZPixmap);
  if (!image) return false;
  bool ink = false;
  for (int y = 0; y < server.height && !ink; ++y)
    for (int x = 0; x < strip && !ink; ++x) {
      const int sx = left + x;
      bool covered = false;
      for (const XRectangle& r : above)
        covered = covered || (sx >= r.x && sx < r.x + r.width && y >= r.y && y < r.y + r.height);
      if (covered) continue;
      const unsigned long pixel = XGetPixel(image, x, y);
      const int grey = (((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF)) / 3;
      ink = grey < 100;
    }
  XDestroyImage(image);
  return ink;
}

bool ShowsChart(Server& server, Window window) {
  return CornerIsWhite(server, window) && MiddleHasInk(server, window);
}

// Waits up to `seconds` for a damage notification of the watched window.
bool WaitForDamage(Server& server, Damage damage, double seconds) {
  const auto start = Clock::now();
  while (MillisecondsSince(start) < seconds * 1000) {
    while (XPending(server.display)) {
      XEvent event;
      XNextEvent(server.display, &event);
      if (event.type == server.damageEvent + XDamageNotify) {
        XDamageSubtract(server.display, damage, None, None);
        return true;
      }
    }
    std::this_thread::sleep_for(std::chrono::microseconds(100));
  }
  return false;
}

// Starts the program and waits for its first chart frame; returns the milliseconds it took,
// or a negative number when none came within 20 s. The damage watch is left in `damage`;
// `white` receives the time at which the window was first seen white (-1: never).
double StartAndWaitForChart(Server& server, char** argv, pid_t& pid, Window& chart,
                            Damage& damage, double* white = nullptr) {
  if (white) *white = -1;
  const auto start = Clock::now();
  pid = Start(argv);
  chart = 0;
  while (!chart) {
    if (MillisecondsSince(start) > 20000) return -1;
    chart = FindChartWindow(server);
    if (!chart) std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  damage = XDamageCreate(server.display, chart, XDamageReportNonEmpty);
  XSync(server.display, False);
  while (!ShowsChart(server, chart)) {
    if (white && *white < 0 && CornerIsWhite(server, chart)) *white = MillisecondsSince(start);
    if (MillisecondsSince(start) > 20000) return -1;
    WaitForDamage(server, damage, 0.05);
    // Start-up may replace the window (a monitor check reopens it): follow the new one.
    const Window now = FindChartWindow(server);
    if (now && now != chart) {
      chart = now;
      damage = XDamageCreate(server.display, chart, XDamageReportNonEmpty);
      XSync(server.display, False);
    }
  }
  const double shown = MillisecondsSince(start);
  if (white && *white < 0) *white = shown;
  return shown;
}

void Report(const char* what, std::vector<double> values) {
  if (values.empty()) {
    std::printf("%s: no measurement\n", what);
    return;
  }
  std::sort(values.begin(), values.end());
  auto at = [&](double q) {
    return values[std::min(values.size() - 1, static_cast<size_t>(q * (values.size() - 1) + 0.5))];
  };
  std::printf("%s: n=%zu median %.2f ms, p95 %.2f ms, min %.2f ms, max %.2f ms\n", what,
              values.size(), at(0.5), at(0.95), values.front(), values.back());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: key_latency startup|keys|letters COUNT PROGRAM [ARGS...]\n");
    return 2;
  }
  const std::string mode = argv[1];
  const int count = std::atoi(argv[2]);
  char** program = argv + 3;
  Server server;
  server.display = XOpenDisplay(nullptr);
  if (!server.display) {
    std::fprintf(stderr, "key_latency: no X display (DISPLAY unset?)\n");
    return 2;
  }
  int major = 0, minor = 0;
  if (!XDamageQueryExtension(server.display, &server.damageEvent, &server.damageError) ||
      !XTestQueryExtension(server.display, &major, &minor, &major, &minor)) {
    std::fprintf(stderr, "key_latency: the X server lacks DAMAGE or XTEST\n");
    return 2;
  }
  // Windows of the measured program vanish under our feet when it ends; that is no error here.
  XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
  server.root = DefaultRootWindow(server.display);
  server.width = DisplayWidth(server.display, DefaultScreen(server.display));
  server.height = DisplayHeight(server.display, DefaultScreen(server.display));

  if (mode == "startup") {
    std::vector<double> times, whites;
    for (int run = 0; run < count; ++run) {
      pid_t pid = 0;
      Window chart = 0;
      Damage damage = 0;
      double white = -1;
      const double ms = StartAndWaitForChart(server, program, pid, chart, damage, &white);
      if (ms >= 0) times.push_back(ms);
      if (white >= 0) whites.push_back(white);
      if (damage) XDamageDestroy(server.display, damage);
      Stop(pid);
      XSync(server.display, False);
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
    Report("start to chart window shown white", whites);
    Report("start to first chart frame", times);
    return times.empty() ? 1 : 0;
  }

  pid_t pid = 0;
  Window chart = 0;
  Damage damage = 0;
  if (StartAndWaitForChart(server, program, pid, chart, damage) < 0) {
    std::fprintf(stderr, "key_latency: no chart frame\n");
    Stop(pid);
    return 1;
  }
  XSetInputFocus(server.display, chart, RevertToParent, CurrentTime);
  XSync(server.display, False);
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  const bool letters = mode == "letters";
  const KeyCode shift = XKeysymToKeycode(server.display, XK_Shift_L);
  // Two letters in turn, so that every press changes the chart.
  const KeyCode keys[2] = {XKeysymToKeycode(server.display, letters ? XK_c : XK_r),
                           XKeysymToKeycode(server.display, letters ? XK_d : XK_r)};
  std::mt19937 random(12345);
  std::uniform_int_distribution<int> gap(40, 140);
  std::vector<double> latencies[2];
  int missed = 0;
  for (int press = 0; press < count; ++press) {
    std::this_thread::sleep_for(std::chrono::milliseconds(gap(random)));
    while (XPending(server.display)) {
      XEvent event;
      XNextEvent(server.display, &event);
    }
    XDamageSubtract(server.display, damage, None, None);
    XSync(server.display, False);
    const auto start = Clock::now();
    if (letters) XTestFakeKeyEvent(server.display, shift, True, CurrentTime);
    XTestFakeKeyEvent(server.display, keys[press % 2], True, CurrentTime);
    XTestFakeKeyEvent(server.display, keys[press % 2], False, CurrentTime);
    if (letters) XTestFakeKeyEvent(server.display, shift, False, CurrentTime);
    XFlush(server.display);
    if (WaitForDamage(server, damage, 1.0))
      latencies[press % 2].push_back(MillisecondsSince(start));
    else
      ++missed;
  }
  if (letters) {
    Stop(pid);
    Report("\"C\" press to presented frame", latencies[0]);
    Report("\"D\" press to presented frame", latencies[1]);
    std::printf("presses without a new frame within 1 s: %d\n", missed);
    return 0;
  }
  latencies[0].insert(latencies[0].end(), latencies[1].begin(), latencies[1].end());
  std::vector<double>& all = latencies[0];
  Stop(pid);
  Report("key press to presented frame", all);
  std::printf("presses without a new frame within 1 s: %d\n", missed);
  return 0;
}
