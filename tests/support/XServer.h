#pragma once
// An X server of the test's own, on a display number no other test uses, stopped when the
// object goes. Tests that need one skip where it cannot start.

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>

namespace lenvari {

struct XWindow {
  QString id;
  int x = 0, y = 0, width = 0, height = 0;
};

// The place and size xwininfo reports for window `id`.
XWindow WindowInfo(const QString& id, const QString& xwininfoOutput);

class XServer {
 public:
  // One monitor per size, side by side. One size without `dummyDriver`: Xvfb. With it: the X.Org
  // server with the dummy driver (tests/support/xdummy), whose monitors Qt sees as separate
  // screens. `windowManager` adds openbox.
  XServer(const QStringList& sizes, bool windowManager = false, bool dummyDriver = false);
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
  QString Tool(const QString& program, const QStringList& arguments) const;
  void Screenshot(const QString& path) const;
  // The managed windows from bottom to top, a window's caption, its place and size, and the
  // window captioned exactly `name` ("" for the chart, which has no caption).
  QStringList Stacking() const;
  QString Name(const QString& id) const;
  XWindow Geometry(const QString& id) const;
  std::optional<XWindow> Window(const QString& name) const;

 private:
  QString display_, problem_;
  QProcess server_, windowManager_;
  bool dummy_ = false;
};

}  // namespace lenvari
