#include "app/loop/LoopEntry.h"

#include <QCoreApplication>

#include "app/examiner/AboutBox.h"
#include "app/examiner/CalibrationCheck.h"
#include "app/loop/ChartDisplay.h"
#include "app/loop/Clock.h"
#include "app/examiner/ControlWindow.h"
#include "app/commands/MenuDefinitions.h"
#include "app/examiner/PhoneRemote.h"
#include "app/examiner/VirtualRemote.h"
#include "platform/qt/ProgramIcon.h"

namespace lenvari {

void RunLoopEntry(ProgramContext& context) {
  // Without a calibration to run, the chart comes first and is on the screen before the
  // examiner's windows are built (the About box, the menus): the patient display is what a
  // start is waited for.
  const bool chartFirst = !LoopEntryCalibrationDue(context.state);
  if (chartFirst) {
    DrawChartFrame(context);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
  ShowAboutBox(context);
  context.state.chart.StartTime = SecondsSinceMidnight();
  BuildMenus(context);
  if (!LoopEntryCalibrationCheck(context) && !chartFirst) DrawChartFrame(context);
  ShowLiveStatus(context);
  SetProgramIcon();
  if (context.state.settings.ShowVirtualRemote == 1) StartVirtualRemote(context);
  ApplyPhoneRemoteSetting(context);
}

void PlayClickIfWanted(ProgramContext& context) {
  if (context.state.settings.AudioAlert == 1) context.clickSound.Play();
}

}  // namespace lenvari
