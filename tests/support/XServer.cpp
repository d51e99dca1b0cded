#include "support/XServer.h"

#include <QFile>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <unistd.h>

namespace lenvari {
namespace {

// A display number with neither a lock nor a socket, from 140 up; parallel test programs start
// their search at different numbers.
QString FreeDisplay() {
  for (int i = 0; i < 60; ++i) {
    const int n = 140 + (static_cast<int>(::getpid()) + i) % 60;
    if (!QFile::exists(QString("/tmp/.X%1-lock").arg(n)) &&
        !QFile::exists(QString("/tmp/.X11-unix/X%1").arg(n)))
      return QString(":%1").arg(n);
  }
  return {};
}

// The place and size xwininfo reports for window `id`.
XWindow WindowInfo(const QString& id, const QString& xwininfoOutput) {
  XWindow info{id, {}};
  for (const QString& line : xwininfoOutput.split('\n')) {
    const int value = line.section(':', 1).trimmed().toInt();
    if (line.contains("Absolute upper-left X")) info.rect.moveLeft(value);
    if (line.contains("Absolute upper-left Y")) info.rect.moveTop(value);
    if (line.trimmed().startsWith("Width:")) info.rect.setWidth(value);
    if (line.trimmed().startsWith("Height:")) info.rect.setHeight(value);
  }
  return info;
}

}  // namespace

QString ToolOutput(const QProcessEnvironment& environment, const QString& program,
                   const QStringList& arguments) {
  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(program, arguments);
  process.waitForFinished(20000);
  return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

std::optional<XWindow> VisibleWindow(const QProcessEnvironment& environment, const QString& title) {
  const QString id = ToolOutput(environment, "xdotool", {"search", "--onlyvisible", "--name", "^" + title + "$"})
                         .section('\n', 0, 0);
  if (id.isEmpty()) return std::nullopt;
  return WindowInfo(id, ToolOutput(environment, "xwininfo", {"-id", id}));
}

QString XServer::MissingTool(const QStringList& tools) {
  for (const QString& tool : tools)
    if (QStandardPaths::findExecutable(tool).isEmpty()) return tool + " is not installed";
  return {};
}

XServer::XServer(const QStringList& sizes, bool windowManager, bool dummyDriver, const QStringList& tools)
    : dummy_(dummyDriver || sizes.size() > 1) {
  problem_ = MissingTool(QStringList{dummy_ ? "Xorg" : "Xvfb"} + tools +
                         (dummy_ ? QStringList{"xrandr"} : QStringList{}) +
                         (windowManager ? QStringList{"openbox"} : QStringList{}));
  if (dummy_ && problem_.isEmpty() && !QFile::exists("/usr/lib/xorg/modules/drivers/dummy_drv.so"))
    problem_ = "the X server's dummy video driver is not installed";
  if (!problem_.isEmpty()) return;

  if (dummy_) {
    display_ = FreeDisplay();
    QProcess start;
    start.start(QString(LENVARI_SUPPORT_DIR) + "/xdummy",
                QStringList{"start", display_} + sizes + (windowManager ? QStringList{"--wm"} : QStringList{}));
    if (display_.isEmpty() || !start.waitForFinished(30000) || start.exitCode() != 0)
      problem_ = "the X server did not start", display_.clear();
    return;
  }
  // Left to itself Xvfb takes the lowest free number, which a Wayland desk's Xwayland may be
  // about to take: the search starts high. The server writes its number once it takes clients;
  // a number taken meanwhile by another test ends the server, and the next one is tried.
  for (int attempt = 0; attempt < 3 && display_.isEmpty(); ++attempt) {
    const QString wanted = FreeDisplay();
    server_.start(QStandardPaths::findExecutable("Xvfb"), {wanted, "-displayfd", "1", "-screen", "0",
                                                           sizes.value(0) + "x24", "-nolisten", "tcp"});
    while (server_.waitForStarted() && !server_.canReadLine())
      if (!server_.waitForReadyRead(10000)) break;
    if (server_.canReadLine() && ":" + QString(server_.readLine()).trimmed() == wanted)
      display_ = wanted;
    else
      server_.kill(), server_.waitForFinished();
  }
  if (display_.isEmpty()) {
    problem_ = "Xvfb did not start";
    return;
  }
  if (windowManager) {
    windowManager_.setProcessEnvironment(Environment());
    windowManager_.start("openbox", {"--sm-disable"});
    QThread::msleep(500);
  }
}

XServer::~XServer() {
  if (dummy_ && !display_.isEmpty()) {
    QProcess stop;
    stop.start(QString(LENVARI_SUPPORT_DIR) + "/xdummy", {"stop", display_});
    stop.waitForFinished(10000);
  }
  for (QProcess* process : {&windowManager_, &server_}) {
    if (process->state() == QProcess::NotRunning) continue;
    process->terminate();
    if (!process->waitForFinished(10000)) process->kill(), process->waitForFinished();
  }
}

QProcessEnvironment XServer::Environment(const QStringList& variables) const {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const QString& variable : variables)
    environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
  environment.insert("QT_QPA_PLATFORM", "xcb");
  environment.insert("DISPLAY", display_);
  return environment;
}

QStringList XServer::Stacking() const {
  return Tool("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"})
      .section('#', 1)
      .split(QRegularExpression("[,\\s]+"), Qt::SkipEmptyParts);
}

QString XServer::Name(const QString& id) const {
  return Tool("xprop", {"-id", id, "WM_NAME"}).section('"', 1, -2);
}

XWindow XServer::Geometry(const QString& id) const { return WindowInfo(id, Tool("xwininfo", {"-id", id})); }

std::optional<XWindow> XServer::Window(const QString& name) const {
  for (const QString& id : Stacking())
    if (Name(id) == name) return Geometry(id);
  return std::nullopt;
}

}  // namespace lenvari
