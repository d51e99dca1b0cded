#pragma once
// Runs the real program non-interactively and collects what it leaves: exit code, standard
// output, and the frames it wrote.

#include <QImage>
#include <QJsonObject>
#include <QJsonValue>
#include <QProcess>
#include <QProcessEnvironment>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace lenvari {

struct ProgramRunResult {
  int exitCode = -1;
  bool finished = false;
  std::string output;  // standard output
  std::string errors;  // standard error
  std::string framesDir;
  int FrameCount() const;
  QImage Frame(int n) const;        // frame-NNNN.png, 1-based
  QJsonObject FrameState(int n) const;
  QJsonObject LastState() const { return FrameState(FrameCount()); }
  // The monitor window's updates: monitor-NNNN.png and .json, 1-based.
  int MonitorCount() const;
  QImage MonitorImage(int n) const;
  QJsonObject MonitorState(int n) const;
};

struct ProgramRunRequest {
  std::string dataDir;               // empty: a fresh temporary folder under the test output
  std::string framesDir;             // empty: a fresh folder (give one to watch a running program)
  std::string keys;
  bool hasKeys = true;
  std::string answers;
  bool hasAnswers = false;
  std::string screens = "one-monitor.json";  // screen file in tests/screens
  std::vector<std::string> extraArguments;
  // Writes a monitor data file calibrated at `calibratedScale` for the monitors of the screen
  // file before the run (when the data folder has none), so the run goes straight to the chart;
  // 0 leaves the folder as it is (a first start asks for calibration).
  int calibratedScale = 400;
  int currentMonitor = 1;
  // A real window system instead of the offscreen platform: its display name (":97").
  std::string x11Display;
  // No window system at all: DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM unset.
  bool withoutDisplay = false;
  int timeoutSeconds = 120;
  // Extra environment variables of the run (name, value).
  std::vector<std::pair<std::string, std::string>> environment;
  // A command the program is started under (strace with its options, say); empty: none.
  std::vector<std::string> wrapper;
  // Runs the program without the power to read or write past file permissions (root, as the
  // tests may run, otherwise reads every file whatever its mode).
  bool unprivileged = false;
};

// A new empty folder under the test output folder, named after the test and `tag`.
std::string FreshFolder(const std::string& tag);

ProgramRunResult RunProgram(const ProgramRunRequest& request);
// The monitor data file of a folder calibrated on the monitors of the request's screen file
// (as RunProgram writes it), for a test that starts the program itself.
void SeedCalibration(const ProgramRunRequest& request, const std::string& dataDir);
// The same, checking that the program ended by itself with exit code 0.
ProgramRunResult RunWell(const ProgramRunRequest& request);

// Runs `request` with a folder standing where its --frames record `record` ("monitor-0001")
// would write its JSON, and checks that the run ends with the frames failure code naming it.
void ExpectUnwritableRecordEndsRun(ProgramRunRequest request, const std::string& record);

// A run of `keys` on `dataDir` (a fresh folder when empty), answering its boxes with `answers`
// when given (with none given the program is told of no answers at all).
ProgramRunRequest ScriptRequest(const std::string& keys, const std::string& dataDir = "",
                                std::optional<std::string> answers = std::nullopt);

// Checks the named fields of frame n's chart state.
using FrameFields = std::vector<std::pair<const char*, QJsonValue>>;
void ExpectFrame(const ProgramRunResult& run, int n, const FrameFields& expected);

bool Printed(const ProgramRunResult& run, const std::string& text);

// The program started beside the test on a window system of the test's own (an X server, a
// Wayland desk) with `environment`, left running while the test looks at its windows. It may end
// by itself within `endWithinMs` of going out of scope; after that it is killed.
struct LiveProgram {
  QProcess process;
  QString seen;  // standard output so far
  int endWithinMs;
  LiveProgram(QProcessEnvironment environment, const std::string& dataDir,
              const QStringList& arguments = {}, int endWithinMs = 20000);
  ~LiveProgram();
  LiveProgram(const LiveProgram&) = delete;
  LiveProgram& operator=(const LiveProgram&) = delete;
  // Whether its standard output so far holds `text`.
  bool Said(const QString& text);
  void Stop();
};

// Polls `ready` until it holds (true) or `seconds` have passed (false): for a program running
// beside the test.
bool WaitFor(const std::function<bool()>& ready, int seconds);

}  // namespace lenvari
