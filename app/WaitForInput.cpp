#include "app/WaitForInput.h"

#include <QThread>

#include <cmath>
#include <cstdio>

#include "app/AboutBox.h"
#include "app/Clock.h"
#include "app/ControlWindow.h"
#include "app/MenuCommands.h"
#include "app/MonitorHotPlug.h"
#include "app/ProgramEnd.h"
#include "app/VirtualRemote.h"
#include "common/NumberText.h"
#include "platform/EventWait.h"

namespace lenvari {
namespace {

constexpr int kPollMilliseconds = 10;
constexpr int kMissingWindowPollsToEnd = 5;

bool AnyKeysPending(const ProgramContext& context) {
  return (context.chartWindow && context.chartWindow->HasKeys()) ||
         (context.monitorWindow && context.monitorWindow->HasKeys());
}

// Feeds the next step of a key script into the sources, as a user or a remote would.
// Returns false once the script is used up.
bool FeedScript(ProgramContext& context, CanvasWindow* window, Canvas* canvas, double now) {
  ScriptedInput& script = context.script;
  if (script.steps.empty()) return now < script.resumeAt;
  if (now < script.resumeAt || AnyKeysPending(context)) return true;
  ScriptStep step = script.steps.front();
  script.steps.pop_front();
  switch (step.kind) {
    case ScriptStep::Kind::Keys:
      if (window && window->Exists()) {
        for (const KeyPress& key : step.keys) window->InjectKey(key);
      }
      break;
    case ScriptStep::Kind::Click:
      if (window && canvas) {
        const PointF pixel = canvas->ToPixels({step.x, step.y});
        window->InjectClick(pixel.x, pixel.y);
      }
      break;
    case ScriptStep::Kind::Remote:
      context.VirtualRemoteCommand.Write(step.text);
      break;
    case ScriptStep::Kind::Menu:
      if (!context.console.ChooseMenuItem(step.menu, step.id))
        std::fprintf(stderr, "LenvariMain: --keys: no menu item %d/%d\n", step.menu, step.id);
      break;
    case ScriptStep::Kind::Wait:
      script.resumeAt = now + step.seconds;
      break;
  }
  return true;
}

std::string TakeClick(ProgramContext& context, CanvasWindow* window, Canvas* canvas) {
  if (!window || !canvas) return "";
  double x = 0, y = 0;
  if (!window->TakeClick(x, y)) return "";
  const PointF units = canvas->ToUnits({x, y});
  context.state.chart.MouseX = static_cast<int>(RoundHalfEven(units.x));
  context.state.chart.MouseY = static_cast<int>(RoundHalfEven(units.y));
  context.console.BringToFront();
  return "MouseEvent";
}

}  // namespace

std::string TranslateRemoteText(const std::string& text) {
  if (text.size() >= 2 && text.size() <= 3 && text[0] == 'm') {
    const std::string digits = text.substr(1);
    bool allDigits = true;
    for (char c : digits) allDigits = allDigits && c >= '0' && c <= '9';
    if (allDigits && digits[0] != '0') {
      const int n = std::stoi(digits);
      if (n >= 1 && n <= 12) return std::string(1, static_cast<char>(200 + n));
    }
  }
  return text;
}

std::string WaitForInput(ProgramContext& context) {
  ChartState& chart = context.state.chart;
  Settings& settings = context.state.settings;
  if (chart.TimedRandom == 1) chart.TimedRandomStart = SecondsSinceMidnight();
  std::string input;
  while (true) {
    WaitForEvents(kPollMilliseconds);
    // The wall clock costs a time-zone lookup: read it only when something runs on it.
    const double now = chart.TimedRandom == 1 ? SecondsSinceMidnight() : 0;
    KeepControlWindowPlace(context);
    WatchMonitors(context);
    bool scriptRunning = true;
    if (context.script.active)
      scriptRunning = FeedScript(context, context.chartWindow.get(), context.chartCanvas.get(),
                                 MonotonicSeconds());

    if (input.empty())
      input = TakeClick(context, context.chartWindow.get(), context.chartCanvas.get());
    if (input.empty())
      input = TakeClick(context, context.monitorWindow.get(), context.monitorCanvas.get());
    if (input.empty()) {
      input = context.console.TakeKeys();
      if (!input.empty()) {
        context.AltDown = context.console.AltDown();
        context.CtrlDown = context.console.CtrlDown();
      }
    }
    if (input.empty()) {
      // A menu item arrives as the input of the quick key its label names, or as its own.
      const MenuChoice choice = context.console.TakeMenuChoice();
      if (choice.id != 0) {
        const MenuItemInput item = MenuInput(choice.menu, choice.id);
        input = item.input;
        context.AltDown = 0;
        context.CtrlDown = item.ctrl ? 1 : 0;
      }
    }
    if (input.empty() && settings.MonitorWindowFlag == 1 && context.monitorWindow) {
      input = context.monitorWindow->TakeKeys();
      if (!input.empty()) {
        context.AltDown = context.monitorWindow->AltDown();
        context.CtrlDown = context.monitorWindow->CtrlDown();
      }
    }
    if (input.empty() && context.chartWindow) {
      input = context.chartWindow->TakeKeys();
      if (!input.empty()) {
        context.AltDown = context.chartWindow->AltDown();
        context.CtrlDown = context.chartWindow->CtrlDown();
      }
    }
    if (input.empty()) {
      const std::string remote = context.VirtualRemoteCommand.Take();
      if (!remote.empty()) {
        input = TranslateRemoteText(remote);
        context.console.BringToFront();
      }
    }
    if (input.empty() && chart.TimedRandom == 1 &&
        SecondsBetween(chart.TimedRandomStart, now) > settings.TimerDelay) {
      input = "tr";
      chart.TimedRandomStart = now;
    }
    if (!context.chartWindow || !context.chartWindow->Exists()) {
      ++context.missingChartWindowPolls;
      QThread::msleep(500);
      if (context.missingChartWindowPolls > kMissingWindowPollsToEnd - 1) throw ProgramEnd{0};
    } else {
      context.missingChartWindowPolls = 0;
    }
    if (settings.MonitorWindowFlag == 1 && context.monitorWindow &&
        !context.monitorWindow->Exists()) {
      settings.MonitorWindowFlag = 0;
    }
    WatchVirtualRemote(context);
    HideAboutBoxWhenDue(context, !input.empty());
    if (!input.empty()) break;
    if (context.script.active && !scriptRunning) throw ProgramEnd{0};
  }
  if (input == "tr") {
    input = "r";
  } else {
    chart.TimedRandom = 0;
  }
  return input;
}

std::string WaitForWindowKeys(ProgramContext& context, CanvasWindow& window) {
  while (true) {
    WaitForEvents(kPollMilliseconds);
    bool scriptRunning = true;
    if (context.script.active)
      scriptRunning = FeedScript(context, &window, nullptr, MonotonicSeconds());
    std::string input = context.console.TakeKeys();
    if (input.empty()) input = window.TakeKeys();
    if (input.empty()) input = TranslateRemoteText(context.VirtualRemoteCommand.Take());
    if (!input.empty()) return input;
    // Closing the window by hand leaves its screen as Escape would: a size nobody confirmed is
    // never stored.
    if (!window.Exists()) return "\x1b";
    if (context.script.active && !scriptRunning) throw ProgramEnd{0};
  }
}

}  // namespace lenvari
