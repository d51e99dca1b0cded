#include "support/ProgramRun.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace lenvari {
namespace {

constexpr unsigned kUnprivilegedId = 65534;

}  // namespace

std::string FreshFolder(const std::string& tag) {
  static std::atomic<int> counter{0};
  const auto* info = testing::UnitTest::GetInstance()->current_test_info();
  std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "test";
  name += "-" + tag + "-" + std::to_string(counter++);
  const QString path = QString(LENVARI_TEST_OUTPUT_DIR) + "/" + QString::fromStdString(name);
  QDir(path).removeRecursively();
  QDir().mkpath(path);
  return path.toStdString();
}

namespace {

// frame-NNNN.png or .json (or monitor-NNNN...) of the run's frames folder, 1-based.
QString FramePath(const std::string& framesDir, int n, const char* extension,
                  const char* prefix = "frame") {
  return QString::fromStdString(framesDir) +
         QString("/%1-%2.").arg(prefix).arg(n, 4, 10, QChar('0')) + extension;
}

QJsonObject ReadJson(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QJsonDocument::fromJson(file.readAll()).object();
}

}  // namespace

int ProgramRunResult::FrameCount() const {
  int n = 0;
  while (QFile::exists(FramePath(framesDir, n + 1, "png"))) ++n;
  return n;
}

QImage ProgramRunResult::Frame(int n) const { return QImage(FramePath(framesDir, n, "png")); }

QJsonObject ProgramRunResult::FrameState(int n) const {
  return ReadJson(FramePath(framesDir, n, "json"));
}

int ProgramRunResult::MonitorCount() const {
  int n = 0;
  while (QFile::exists(FramePath(framesDir, n + 1, "png", "monitor"))) ++n;
  return n;
}

QImage ProgramRunResult::MonitorImage(int n) const {
  return QImage(FramePath(framesDir, n, "png", "monitor"));
}

QJsonObject ProgramRunResult::MonitorState(int n) const {
  return ReadJson(FramePath(framesDir, n, "json", "monitor"));
}

namespace {

std::string IntegerLine(int value) {
  return (value < 0 ? "" : " ") + std::to_string(value) + " \r\n";
}

// The monitor data file of a folder calibrated on the monitors of a screen file.
void SeedCalibration(const ProgramRunRequest& request, const std::string& dataDir) {
  const QString path = QString::fromStdString(dataDir) + "/lvmonitordata.cfg";
  if (request.calibratedScale <= 0 || QFile::exists(path)) return;
  QFile screensFile(QString(LENVARI_SCREENS_DIR) + "/" + QString::fromStdString(request.screens));
  QJsonArray screens;
  if (screensFile.open(QIODevice::ReadOnly))
    screens = QJsonDocument::fromJson(screensFile.readAll()).object()["screens"].toArray();
  std::string text = IntegerLine(request.currentMonitor) + IntegerLine(screens.size());
  for (int n = 0; n < 10; ++n) {
    int rect[4] = {0, 0, 0, 0};
    int scale = 0;
    if (n < screens.size()) {
      const QJsonObject s = screens[n].toObject();
      const double ratio = s["dpr"].toDouble(1);
      rect[0] = s["x"].toInt();
      rect[1] = s["y"].toInt();
      rect[2] = rect[0] + static_cast<int>(s["width"].toInt() * ratio);
      rect[3] = rect[1] + static_cast<int>(s["height"].toInt() * ratio);
      scale = request.calibratedScale;
    }
    for (int v : rect) text += IntegerLine(v);
    text += IntegerLine(scale) + IntegerLine(scale) + IntegerLine(1);
  }
  QFile out(path);
  if (out.open(QIODevice::WriteOnly)) out.write(text.data(), static_cast<qint64>(text.size()));
}

}  // namespace

ProgramRunResult RunProgram(const ProgramRunRequest& request) {
  ProgramRunResult result;
  const std::string dataDir = request.dataDir.empty() ? FreshFolder("data") : request.dataDir;
  SeedCalibration(request, dataDir);
  result.framesDir = FreshFolder("frames");
  QStringList arguments{"--data-dir", QString::fromStdString(dataDir), "--frames",
                        QString::fromStdString(result.framesDir), "--seed",
                        QString::number(request.seed)};
  if (request.hasKeys) arguments << "--keys" << QString::fromStdString(request.keys);
  if (request.hasAnswers) arguments << "--answers" << QString::fromStdString(request.answers);
  for (const auto& extra : request.extraArguments) arguments << QString::fromStdString(extra);

  QString program = LENVARI_MAIN_PATH;
#ifndef _WIN32
  if (request.unprivileged && ::geteuid() == 0) {
    for (const std::string& folder : {dataDir, result.framesDir}) {
      std::error_code error;
      ::chown(folder.c_str(), kUnprivilegedId, kUnprivilegedId);
      for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, error))
        ::lchown(entry.path().c_str(), kUnprivilegedId, kUnprivilegedId);
    }
    arguments.prepend(program);
    arguments = QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", "--"} + arguments;
    program = "setpriv";
  }
#endif
  if (!request.wrapper.empty()) {
    QStringList wrapped;
    for (size_t i = 1; i < request.wrapper.size(); ++i)
      wrapped << QString::fromStdString(request.wrapper[i]);
    arguments = wrapped + QStringList{program} + arguments;
    program = QString::fromStdString(request.wrapper.front());
  }

  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  if (request.withoutDisplay) {
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) environment.remove(name);
  } else if (request.x11Display.empty()) {
    environment.insert("QT_QPA_PLATFORM", QString("offscreen:configfile=") + LENVARI_SCREENS_DIR +
                                              "/" + QString::fromStdString(request.screens));
  } else {
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.insert("DISPLAY", QString::fromStdString(request.x11Display));
  }
  environment.insert("ASAN_OPTIONS", "detect_leaks=0");
  process.setProcessEnvironment(environment);
  process.start(program, arguments);
  result.finished = process.waitForFinished(request.timeoutSeconds * 1000);
  if (!result.finished) process.kill(), process.waitForFinished();
  result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  result.output = process.readAllStandardOutput().toStdString();
  result.errors = process.readAllStandardError().toStdString();
  return result;
}

}  // namespace lenvari
