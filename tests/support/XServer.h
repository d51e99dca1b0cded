#pragma once
// An X server of the test's own, on a display number no other test uses, stopped when the
// object goes. Tests that need one skip where it cannot start.

#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

namespace lenvari {

struct XWindow {
  QString id;
  QRect rect;  // its place and size on the desktop
};

// Runs a tool with `environment` and returns its standard output.
QString ToolOutput(const QProcessEnvironment& environment, const QString& program,
                   const QStringList& arguments);
// A visible window of that exact title (a pattern), managed or not (the About box is not).
std::optional<XWindow> VisibleWindow(const QProcessEnvironment& environment, const QString& title);

class XServer {
 public:
  // One monitor per size, side by side. One size without `dummyDriver`: Xvfb. With it: the X.Org
  // server with the dummy driver (tests/support/xdummy), whose monitors Qt sees as separate
  // screens. `windowManager` adds openbox. `tools` are the X tools the test runs: one missing
  // is a problem as a server that does not start is.
  XServer(const QStringList& sizes, bool windowManager = false, bool dummyDriver = false,
          const QStringList& tools = {});
  ~XServer();
  XServer(const XServer&) = delete;
  XServer& operator=(const XServer&) = delete;

  // "" when every tool named is installed, else the first one missing.
  static QString MissingTool(const QStringList& tools);
  // "" when the server runs; else why not (for GTEST_SKIP).
  const QString& problem() const { return problem_; }
  const QString& display() const { return display_; }

  // The test's environment with this display, the X11 platform and `variables` ("NAME=value").
  QProcessEnvironment Environment(const QStringList& variables = {}) const;
  // Runs an X tool on this display and returns its standard output.
  QString Tool(const QString& program, const QStringList& arguments) const {
    return ToolOutput(Environment(), program, arguments);
  }
  // The managed windows from bottom to top, a window's caption, its place and size, and the
  // window captioned exactly `name` ("" for the chart, which has no caption).
  QStringList Stacking() const;
  QString Name(const QString& id) const;
  XWindow Geometry(const QString& id) const;
  std::optional<XWindow> Window(const QString& name) const;
  std::optional<XWindow> Visible(const QString& title) const { return VisibleWindow(Environment(), title); }

 private:
  QString display_, problem_;
  QProcess server_, windowManager_;
  bool dummy_ = false;
};

}  // namespace lenvari
