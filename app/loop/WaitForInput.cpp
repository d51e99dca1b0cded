#include "app/loop/WaitForInput.h"

#include <QThread>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/examiner/AboutBox.h"
#include "app/loop/Clock.h"
#include "app/examiner/ControlWindow.h"
#include "app/commands/MenuCommands.h"
#include "app/loop/MonitorHotPlug.h"
#include "app/examiner/PhoneRemote.h"
#include "app/loop/ProgramEnd.h"
#include "app/examiner/VirtualRemote.h"
#include "common/NumberText.h"
#include "platform/KeyTranslation.h"
#include "platform/qt/EventWait.h"

namespace lenvari {
namespace {

constexpr int kPollMilliseconds = 10;
constexpr int kMissingWindowPollsToEnd = 5;
constexpr char kImageGalleryPress[] = "i";
constexpr char kImageGalleryDoubleClick[] = "\t";

// Input taken from its source and not yet handed out.
bool InputHeld(const ProgramContext& context) {
  return !context.keyArrival.held.empty() || !context.keyArrival.ready.empty() ||
         context.virtualRemote.imageGalleryAt.has_value();
}

bool AnyKeysPending(const ProgramContext& context) {
  return (context.chartWindow && context.chartWindow->HasKeys()) ||
         (context.monitorWindow && context.monitorWindow->HasKeys()) || InputHeld(context);
}

// Feeds the next step of a key script into the sources, as a user or a remote would.
// Returns false once the script is used up.
bool FeedScript(ProgramContext& context, CanvasWindow* window, Canvas* canvas, double now) {
  ScriptedInput& script = context.script;
  if (script.steps.empty()) return now < script.resumeAt || InputHeld(context);
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

// A click on the monitor window's copy of the patient display, taken as a click on the
// patient display at that place; a click anywhere else in the window does nothing.
std::string TakeThumbnailClick(ProgramContext& context) {
  CanvasWindow* window = context.monitorWindow.get();
  const Canvas* chart = context.chartCanvas.get();
  double x = 0, y = 0;
  if (!window || !chart || !window->TakeClick(x, y)) return "";
  const RectF box = context.monitorThumbnail;
  if (!(box.right > box.left && box.bottom > box.top)) return "";
  if (x < box.left || x >= box.right || y < box.top || y >= box.bottom) return "";
  const PointF pixel{(x - box.left) / (box.right - box.left) * chart->PixelWidth(),
                     (y - box.top) / (box.bottom - box.top) * chart->PixelHeight()};
  const PointF units = chart->ToUnits(pixel);
  context.state.chart.MouseX = static_cast<int>(RoundHalfEven(units.x));
  context.state.chart.MouseY = static_cast<int>(RoundHalfEven(units.y));
  context.console.BringToFront();
  return "MouseEvent";
}

template <class Source>
void TakeKeysFrom(Source& source, KeyArrival& arrival, double clock) {
  const std::string keys = source.TakeKeys();
  if (!keys.empty()) ReceiveKeys(arrival, keys, source.AltDown(), source.CtrlDown(), clock);
}

// The next input that is ready for the dispatch, with the modifier state it came with.
std::string PopReadyKey(ProgramContext& context) {
  std::deque<KeyInput>& ready = context.keyArrival.ready;
  if (ready.empty()) return "";
  const KeyInput key = ready.front();
  ready.pop_front();
  context.inputWait.AltDown = key.altDown;
  context.inputWait.CtrlDown = key.ctrlDown;
  return key.text;
}

double DoubleClickSeconds() { return DoubleClickMilliseconds() / 1000.0; }

// The virtual remote's mailbox. Its Image Gallery key stores "i" at the first click and Tab
// ("add images") at the second click of a double click, so an "i" waits out the double-click
// interval: Tab within it stands alone, any other press follows the "i".
std::string TakeRemotePress(ProgramContext& context, double clock) {
  const std::string text = TranslateRemoteText(context.VirtualRemoteCommand.Take());
  if (!text.empty()) context.console.BringToFront();
  std::optional<double>& galleryAt = context.virtualRemote.imageGalleryAt;
  if (!galleryAt) {
    if (text != kImageGalleryPress) return text;
    galleryAt = clock;
    return "";
  }
  if (text == kImageGalleryDoubleClick) {
    galleryAt.reset();
    return text;
  }
  if (!text.empty()) {
    galleryAt.reset();
    context.keyArrival.ready.push_back({text});
    return kImageGalleryPress;
  }
  if (clock - *galleryAt < DoubleClickSeconds()) return "";
  galleryAt.reset();
  return kImageGalleryPress;
}

// How long the next look may sleep: one polling tick, or less when held input falls due
// sooner.
int MillisecondsToNextLook(const ProgramContext& context, double clock) {
  double seconds = kPollMilliseconds / 1000.0;
  if (!context.keyArrival.held.empty())
    seconds = std::min(seconds, SecondsUntilOverdue(context.keyArrival, clock));
  if (context.virtualRemote.imageGalleryAt)
    seconds =
        std::min(seconds, *context.virtualRemote.imageGalleryAt + DoubleClickSeconds() - clock);
  return std::max(1, static_cast<int>(std::ceil(seconds * 1000)));
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

std::string WaitForInput(ProgramContext& context, MonitorClicks monitorClicks) {
  ChartState& chart = context.state.chart;
  Settings& settings = context.state.settings;
  KeyArrival& keys = context.keyArrival;
  if (chart.TimedRandom == 1) chart.TimedRandomStart = SecondsSinceMidnight();
  std::string input = PopReadyKey(context);
  while (input.empty()) {
    WaitForEvents(MillisecondsToNextLook(context, MonotonicSeconds()));
    const double clock = MonotonicSeconds();
    // The wall clock costs a time-zone lookup: read it only when something runs on it.
    const double now = chart.TimedRandom == 1 ? SecondsSinceMidnight() : 0;
    KeepControlWindowPlace(context);
    WatchMonitors(context);
    bool scriptRunning = true;
    if (context.script.active)
      scriptRunning = FeedScript(context, context.chartWindow.get(), context.chartCanvas.get(),
                                 clock);

    // Held input keeps its place: what arrives after it waits in its source until it is gone.
    const bool keysHeld = !keys.held.empty();
    const bool remoteHeld = context.virtualRemote.imageGalleryAt.has_value();
    if (!keysHeld && !remoteHeld) {
      input = TakeClick(context, context.chartWindow.get(), context.chartCanvas.get());
      if (input.empty())
        input = monitorClicks == MonitorClicks::OnThumbnail
                    ? TakeThumbnailClick(context)
                    : TakeClick(context, context.monitorWindow.get(), context.monitorCanvas.get());
    }
    if (input.empty() && !remoteHeld) {
      TakeKeysFrom(context.console, keys, clock);
      if (settings.MonitorWindowFlag == 1 && context.monitorWindow)
        TakeKeysFrom(*context.monitorWindow, keys, clock);
      if (context.chartWindow) TakeKeysFrom(*context.chartWindow, keys, clock);
      ReleaseOverdueKeys(keys, clock);
      input = PopReadyKey(context);
    }
    if (input.empty() && keys.held.empty() && !remoteHeld) {
      // A menu item arrives as the input of the quick key its label names, or as its own.
      const MenuChoice choice = context.console.TakeMenuChoice();
      if (choice.id != 0) {
        const MenuItemInput item = MenuInput(choice.menu, choice.id);
        input = item.input;
        context.inputWait.AltDown = 0;
        context.inputWait.CtrlDown = item.ctrl ? 1 : 0;
      }
    }
    if (input.empty() && keys.held.empty()) input = TakeRemotePress(context, clock);
    if (input.empty() && keys.held.empty() && !context.virtualRemote.imageGalleryAt)
      input = TakePhoneInput(context);
    if (input.empty() && keys.held.empty() && !context.virtualRemote.imageGalleryAt &&
        chart.TimedRandom == 1 &&
        SecondsBetween(chart.TimedRandomStart, now) > settings.TimerDelay) {
      input = "tr";
      chart.TimedRandomStart = now;
    }
    if (!context.chartWindow || !context.chartWindow->Exists()) {
      int& missing = context.inputWait.missingChartWindowPolls;
      ++missing;
      QThread::msleep(500);
      if (missing > kMissingWindowPollsToEnd - 1) throw ProgramEnd{0};
    } else {
      context.inputWait.missingChartWindowPolls = 0;
    }
    if (settings.MonitorWindowFlag == 1 && context.monitorWindow &&
        !context.monitorWindow->Exists()) {
      settings.MonitorWindowFlag = 0;
    }
    WatchVirtualRemote(context);
    HideAboutBoxWhenDue(context, !input.empty());
    if (input.empty() && context.script.active && !scriptRunning) throw ProgramEnd{0};
  }
  if (input == "tr") {
    input = "r";
  } else {
    chart.TimedRandom = 0;
  }
  return input;
}

std::string WaitForWindowKeys(ProgramContext& context, CanvasWindow& window) {
  KeyArrival& keys = context.keyArrival;
  while (true) {
    std::string input = PopReadyKey(context);
    if (!input.empty()) return input;
    WaitForEvents(MillisecondsToNextLook(context, MonotonicSeconds()));
    const double clock = MonotonicSeconds();
    bool scriptRunning = true;
    if (context.script.active) scriptRunning = FeedScript(context, &window, nullptr, clock);
    TakeKeysFrom(context.console, keys, clock);
    TakeKeysFrom(window, keys, clock);
    ReleaseOverdueKeys(keys, clock);
    input = PopReadyKey(context);
    if (input.empty() && keys.held.empty()) input = TakeRemotePress(context, clock);
    if (!input.empty()) return input;
    // Closing the window by hand leaves its screen as Escape would: a size nobody confirmed is
    // never stored.
    if (!window.Exists()) return kEscKey;
    if (context.script.active && !scriptRunning) throw ProgramEnd{0};
  }
}

}  // namespace lenvari
