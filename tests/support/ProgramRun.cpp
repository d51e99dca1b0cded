#include "support/ProgramRun.h"

#include "support/DataFolderText.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <chrono>
#include <filesystem>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace lenvari {

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

int CountFiles(const std::string& framesDir, const char* prefix) {
  int n = 0;
  while (QFile::exists(FramePath(framesDir, n + 1, "png", prefix))) ++n;
  return n;
}

}  // namespace

int ProgramRunResult::FrameCount() const { return CountFiles(framesDir, "frame"); }
QImage ProgramRunResult::Frame(int n) const { return QImage(FramePath(framesDir, n, "png")); }
QJsonObject ProgramRunResult::FrameState(int n) const { return ReadJson(FramePath(framesDir, n, "json")); }
int ProgramRunResult::MonitorCount() const { return CountFiles(framesDir, "monitor"); }
QImage ProgramRunResult::MonitorImage(int n) const { return QImage(FramePath(framesDir, n, "png", "monitor")); }
QJsonObject ProgramRunResult::MonitorState(int n) const { return ReadJson(FramePath(framesDir, n, "json", "monitor")); }

void SeedCalibration(const ProgramRunRequest& request, const std::string& dataDir) {
  if (request.calibratedScale <= 0 || QFile::exists(QString::fromStdString(dataDir) + "/lvmonitordata.cfg"))
    return;
  QFile screensFile(QString(LENVARI_SCREENS_DIR) + "/" + QString::fromStdString(request.screens));
  QJsonArray screens;
  if (screensFile.open(QIODevice::ReadOnly))
    screens = QJsonDocument::fromJson(screensFile.readAll()).object()["screens"].toArray();
  std::vector<std::array<int, 4>> rects;
  for (const QJsonValue& value : screens) {
    const QJsonObject s = value.toObject();
    const double ratio = s["dpr"].toDouble(1);
    const int x = s["x"].toInt(), y = s["y"].toInt();
    rects.push_back({x, y, x + static_cast<int>(s["width"].toInt() * ratio),
                     y + static_cast<int>(s["height"].toInt() * ratio)});
  }
  PutText(dataDir + "/lvmonitordata.cfg",
          MonitorDataText(request.currentMonitor, rects, request.calibratedScale));
}

ProgramRunResult RunProgram(const ProgramRunRequest& request) {
  ProgramRunResult result;
  const std::string dataDir = request.dataDir.empty() ? FreshFolder("data") : request.dataDir;
  SeedCalibration(request, dataDir);
  result.framesDir = request.framesDir.empty() ? FreshFolder("frames") : request.framesDir;
  QStringList arguments{"--data-dir", QString::fromStdString(dataDir), "--frames",
                        QString::fromStdString(result.framesDir), "--seed", "1"};
  if (request.hasKeys) arguments << "--keys" << QString::fromStdString(request.keys);
  if (request.hasAnswers) arguments << "--answers" << QString::fromStdString(request.answers);
  for (const auto& extra : request.extraArguments) arguments << QString::fromStdString(extra);

  QStringList command;  // the wrappers' words, outermost first, then the program
  for (const std::string& word : request.wrapper) command << QString::fromStdString(word);
#ifndef _WIN32
  if (request.unprivileged && ::geteuid() == 0) {
    // Root stays root but loses the capabilities that skip permission checks, so a file the
    // test made unreadable is unreadable to the program too, while every folder root owns
    // (the build tree under a private home included) stays reachable.
    const QString caps = "-dac_override,-dac_read_search";
    command << "setpriv" << "--inh-caps=" + caps << "--bounding-set=" + caps << "--";
  }
#endif
  command << LENVARI_MAIN_PATH;

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
  for (const auto& [name, value] : request.environment)
    environment.insert(QString::fromStdString(name), QString::fromStdString(value));
  process.setProcessEnvironment(environment);
  const QString program = command.takeFirst();
  process.start(program, command + arguments);
  result.finished = process.waitForFinished(request.timeoutSeconds * 1000);
  if (!result.finished) process.kill(), process.waitForFinished();
  result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  result.output = process.readAllStandardOutput().toStdString();
  result.errors = process.readAllStandardError().toStdString();
#ifdef _WIN32
  // Windows ends the lines it prints with CR LF; the tests compare texts with LF.
  std::erase(result.output, '\r'), std::erase(result.errors, '\r');
#endif
  return result;
}

void ExpectUnwritableRecordEndsRun(ProgramRunRequest request, const std::string& record) {
  request.framesDir = FreshFolder("unwritable-" + record);
  std::filesystem::create_directories(request.framesDir + "/" + record + ".json");
  const ProgramRunResult run = RunProgram(request);
  EXPECT_EQ(run.exitCode, 3) << record;
  // As the program prints it: the platform's separators (Windows puts a drive letter before it).
  const QString path = QDir::toNativeSeparators(QString::fromStdString(request.framesDir + "/" + record));
  EXPECT_NE(run.errors.find(path.toStdString()), std::string::npos) << run.errors;
}

ProgramRunResult RunWell(const ProgramRunRequest& request) {
  ProgramRunResult run = RunProgram(request);
  EXPECT_TRUE(run.finished) << request.keys;
  EXPECT_EQ(run.exitCode, 0) << request.keys << "\n" << run.errors;
  return run;
}

ProgramRunRequest ScriptRequest(const std::string& keys, const std::string& dataDir,
                                std::optional<std::string> answers) {
  return {.dataDir = dataDir, .keys = keys, .answers = answers.value_or(""),
          .hasAnswers = answers.has_value()};
}

void ExpectFrame(const ProgramRunResult& run, int n, const FrameFields& expected) {
  const QJsonObject state = run.FrameState(n);
  ASSERT_FALSE(state.isEmpty()) << "no frame " << n;
  for (const auto& [name, value] : expected) EXPECT_EQ(state[name], value) << "frame " << n << ": " << name;
}

bool Printed(const ProgramRunResult& run, const std::string& text) {
  return run.output.find(text) != std::string::npos;
}

LiveProgram::LiveProgram(QProcessEnvironment environment, const std::string& dataDir,
                         const QStringList& arguments, int endWithinMs)
    : endWithinMs(endWithinMs) {
  environment.insert("ASAN_OPTIONS", "detect_leaks=0");
  process.setProcessEnvironment(environment);
  process.start(LENVARI_MAIN_PATH, QStringList{"--data-dir", QString::fromStdString(dataDir)} + arguments);
}

LiveProgram::~LiveProgram() {
  if (!process.waitForFinished(endWithinMs)) Stop();
}

bool LiveProgram::Said(const QString& text) {
  process.waitForReadyRead(50);
  seen += QString::fromLocal8Bit(process.readAllStandardOutput());
  return seen.contains(text);
}

void LiveProgram::Stop() {
  process.kill();
  process.waitForFinished();
}

bool WaitFor(const std::function<bool()>& ready, int seconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (!ready()) {
    if (std::chrono::steady_clock::now() > end) return false;
    QThread::msleep(100);
  }
  return true;
}

}  // namespace lenvari
