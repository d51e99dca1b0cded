#include "app/loop/InputLoop.h"

#include "app/loop/ChartDisplay.h"
#include "app/loop/Clock.h"
#include "app/examiner/ControlWindow.h"
#include "app/examiner/FolderMessages.h"
#include "app/loop/LoopEntry.h"
#include "app/loop/ProgramEnd.h"
#include "app/commands/QuickKeys.h"
#include "app/loop/WaitForInput.h"
#include "platform/KeyTranslation.h"

namespace lenvari {
namespace {

bool KeepsPointer(const std::string& input) {
  return input == "u" || input == ExtendedKey(keycode::Right) ||
         input == ExtendedKey(keycode::Left) || input == "#" || input == "$";
}

}  // namespace

void ExitConfirmation(ProgramContext& context) {
  context.console.BringToFront();
  // "No" is the default: Enter pressed right after Esc (Enter is also the next-preset key)
  // must not end an examination by accident.
  const int answer = context.console.ConsoleMessageBox(
      "Do you want to exit?", kMbYesNo | kMbIconQuestion | kMbDefButton2, "Quit Lenvari Now?");
  if (answer == kIdYes) throw ProgramEnd{0};
}

void RunOnePass(ProgramContext& context, const std::string& input) {
  ChartState& chart = context.state.chart;
  chart.ShowMemoryNumber = 0;
  context.notices.status.clear();
  if (input == kEscKey) ExitConfirmation(context);
  context.console.FlushKeys();
  if (chart.PointerMode != 0 && !KeepsPointer(input)) chart.PointerMode = 0;
  const DispatchResult result = DispatchQuickKey(context, input);
  if (result.endPass) {
    ShowLiveStatus(context);
    return;
  }
  if (result.redraw) {
    const auto& rect = context.state.monitors.MonitorRect[context.state.monitors.CurrentMonitor];
    if (context.chartWindow) context.chartWindow->MoveTo(rect[1], rect[2]);
    DrawChartFrame(context);
    chart.RandomFlag = 0;
  }
  ShowLiveStatus(context);
}

void RunInputLoop(ProgramContext& context) {
  RunLoopEntry(context);
  ReportSaveFailure(context);
  while (true) {
    if (context.state.settings.MonitorWindowFlag == 0) context.console.ShowControlWindow();
    const std::string input = WaitForInput(context);
    PlayClickIfWanted(context);
    RunOnePass(context, input);
    ReportSaveFailure(context);
  }
}

}  // namespace lenvari
