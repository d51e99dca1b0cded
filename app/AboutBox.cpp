#include "app/AboutBox.h"

#include <QCoreApplication>
#include <QThread>

#include "app/Clock.h"

namespace lenvari {
namespace {

constexpr double kShownSeconds = 3;
constexpr int kPollMilliseconds = 10;

}  // namespace

std::string AboutText(const std::string& version) {
  return "\\tLenvari Acuity -  Vision Testing Software  \\n\\n"
         "\\tVersion " + version + "\\n\\n";
}

void ShowAboutBox(ProgramContext& context) {
  const std::string keys = context.console.TakeKeys();
  if (!keys.empty() && keys[0] == ' ') return;
  context.console.SplashBoxShow(AboutText(context.state.Version));
  if (!context.script.active) {
    // A key typed into the chart window ends the wait and is kept for the first pass.
    const double start = SecondsSinceMidnight();
    while (SecondsBetween(start, SecondsSinceMidnight()) < kShownSeconds) {
      if (context.chartWindow && context.chartWindow->HasKeys()) break;
      QCoreApplication::processEvents();
      QThread::msleep(kPollMilliseconds);
    }
  }
  context.console.SplashBoxHide();
}

}  // namespace lenvari
