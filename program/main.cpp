#include <QApplication>

#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>

#include "app/loop/FatalError.h"
#include "app/loop/ProgramContext.h"
#include "app/loop/ProgramEnd.h"
#include "app/loop/RunOptions.h"
#include "app/loop/Startup.h"
#include "platform/DisplayCheck.h"
#include "platform/KeyScript.h"
#include "platform/qt/ModalAnswers.h"
#include "platform/qt/QtConsoleHost.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

#ifdef _WIN32
// A windowed program gets no console: started from one, it writes --help, --version and its
// messages there. Output already redirected (a pipe, a file) stays where it goes.
void UseParentConsole() {
  const HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
  if (output && output != INVALID_HANDLE_VALUE && ::GetFileType(output) != FILE_TYPE_UNKNOWN) return;
  if (!::AttachConsole(ATTACH_PARENT_PROCESS)) return;
  std::freopen("CONOUT$", "w", stdout);
  std::freopen("CONOUT$", "w", stderr);
}
#endif

// The offscreen and minimal platforms say on every window that they cannot raise it or pass
// size hints; that is no news to anyone reading the program's output.
void QuietPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.startsWith("This plugin does not support")) return;
  if (text.startsWith("QStandardPaths: XDG_RUNTIME_DIR")) return;
  const QByteArray bytes = qFormatLogMessage(type, context, text).toLocal8Bit();
  std::fprintf(stderr, "%s\n", bytes.constData());
}

bool Asks(int argc, char** argv, const char* option) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], option) == 0) return true;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  UseParentConsole();
#endif
  // These two need no window system.
  if (Asks(argc, argv, "--help") || Asks(argc, argv, "-h")) {
    std::fputs(lenvari::HelpText().c_str(), stdout);
    return 0;
  }
  if (Asks(argc, argv, "--version")) {
    std::puts("Lenvari 4.13");
    return 0;
  }
  // A bad command line and a missing display are both told in one line before Qt starts:
  // Qt would end the program with an abort when it cannot open the display.
  lenvari::RunOptions options = lenvari::ParseCommandLine(argc, argv);
  if (!options.error.empty()) {
    std::fprintf(stderr, "LenvariMain: %s\n", options.error.c_str());
    return 2;
  }
  lenvari::ScriptedInput script;
  if (options.hasKeys) {
    std::string error;
    auto steps = lenvari::ParseKeyScript(options.keys, error);
    if (!steps) {
      std::fprintf(stderr, "LenvariMain: --keys: %s\n", error.c_str());
      return 2;
    }
    script.active = true;
    script.steps.assign(steps->begin(), steps->end());
  }

  const lenvari::DisplayEnvironment display = lenvari::ReadDisplayEnvironment(argc, argv);
  const std::string displayProblem = lenvari::DisplayProblem(display);
  if (!displayProblem.empty()) {
    std::fprintf(stderr, "LenvariMain: %s\n", displayProblem.c_str());
    return 2;
  }
  const std::string platform = lenvari::PreferredPlatform(display);
  if (!platform.empty()) qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(platform));
  qInstallMessageHandler(QuietPlatformNotes);
  // The application name is the X11 window class; with the desktop file name it ties the
  // windows to the menu entry and its icon. Window titles are set one by one.
  QApplication::setApplicationName(LENVARI_APPLICATION_ID);
  QApplication::setDesktopFileName(LENVARI_APPLICATION_ID);
  QApplication application(argc, argv);  // takes Qt's own options such as -platform
  lenvari::ModalAnswers answers(lenvari::SplitAnswers(options.answers), options.NonInteractive());
  std::unique_ptr<lenvari::QtConsoleHost> console;
  try {
    console = std::make_unique<lenvari::QtConsoleHost>();
    lenvari::ProgramContext context(*console);
    context.options = options;
    context.script = script;
    lenvari::RunProgram(context);
  } catch (const lenvari::ProgramEnd& end) {
    return end.exitCode;
  } catch (...) {
    return lenvari::HandleFatalError(console.get(),
                                     lenvari::RuntimeErrorNumber(std::current_exception()), 5000);
  }
}
