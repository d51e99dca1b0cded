#include <QDialog>
#include <QMessageBox>
#include <QPushButton>

#include <new>
#include <stdexcept>
#include <system_error>

#include "dialogs/ConfigurationSession.h"
#include "dialogs/DialogFramework.h"
#include "dialogs/LenvariDLL.h"

namespace lenvari {
namespace {

constexpr int kDialogWidthUnits = 587;
constexpr int kDialogHeightUnits = 355;

// Runs the dialog on the working copy, which holds the edits, the save flag and the choice
// of Calibrate afterwards.
void RunConfigurationWindow(ConfigurationWork& work) {
  // The dialog units come from the classic 8-point dialog face, so the window keeps its
  // proportions to the 10-point captions inside it.
  DialogBuilder builder = BeginDialog({"Lenvari Acuity Configuration", kDialogWidthUnits,
                                       kDialogHeightUnits, LayoutUnits::DialogUnits,
                                       {"", 8}, true, true});
  ConfigurationSession session;
  session.dialog = builder.dialog.get();
  session.work = work;
  session.c = BuildConfigurationDialog(builder, work.values.NumberOfMonitors);
  ShowAllSettings(session);
  ConnectReactions(session);
  session.c.save->setFocus();
  RunModal(*builder.dialog);
  work = session.work;
}

template <class T>
void CopyMonitors(LenvariMonitorTable<T>& to, const LenvariMonitorTable<T>& from, int monitors) {
  for (int m = 1; m <= monitors; ++m) to.at(m) = from.at(m);
}

// The number and description an unexpected error is reported with.
struct TrappedError {
  int number;
  std::string description;
};

TrappedError Describe(const std::exception& error) {
  if (const auto* system = dynamic_cast<const std::system_error*>(&error))
    return {system->code().value(), system->what()};
  if (dynamic_cast<const std::bad_alloc*>(&error)) return {7, "Out of memory"};
  if (dynamic_cast<const std::out_of_range*>(&error)) return {9, "Subscript out of range"};
  return {5, error.what()};
}

void ShowTrappedError(const TrappedError& error) {
  QMessageBox box(QMessageBox::NoIcon, "Lenvari Acuity Configuration",
                  QString::fromStdString(TrappedErrorText(error.number, error.description)),
                  QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.setWindowFlag(Qt::WindowStaysOnTopHint);
  box.show();
  box.raise();
  box.activateWindow();
  box.exec();
}

}  // namespace
}  // namespace lenvari

int SHOWCONFIGURATION(int parentWindow, int& AcuityBase, LenvariMonitorTable<int>& ShowTestDistance,
                      LenvariMonitorTable<int>& Mirror, int& CurrentMonitor,
                      LenvariMonitorTable<float>& LabelSize,
                      LenvariMonitorTable<std::string>& LabelColor,
                      LenvariMonitorTable<int>& MaxVShutter, LenvariMonitorTable<int>& StatusBar,
                      LenvariMonitorTable<std::string>& TestDistance, std::string& AstigMode,
                      LenvariMonitorTable<int>& JacksonCrossTargetSize,
                      LenvariMonitorTable<int>& AccessibleContrast,
                      LenvariMonitorTable<int>& WorthDotSize,
                      LenvariMonitorTable<int>& FixDispFusionLock, std::string& RedGreenOrRedBlue,
                      LenvariMonitorTable<int>& WorthDotMode, int& MyRed, int& MyBlue, int& MyGreen,
                      int& MyBlack, int& AudioAlert, std::string& SelectedVideo,
                      std::string& VideoPlayer, int NumberOfMonitors, int& MonitorWindowFlag,
                      int& ThumbnailFlag, int& AlwaysOnTopFlag, int& SmoothingFlag,
                      float& TimerDelay, int& ShowVirtualRemote, int* LuminanceContrast,
                      int* PhoneRemote) {
  using namespace lenvari;
  (void)parentWindow;  // the dialog is always a top-level window of its own
  ApplicationScope application;
  try {
    ConfigurationWork work = BeginConfigurationWork(
        {AcuityBase,      ShowTestDistance, Mirror,        CurrentMonitor,    LabelSize,
         LabelColor,      MaxVShutter,      StatusBar,     TestDistance,      AstigMode,
         JacksonCrossTargetSize, AccessibleContrast, WorthDotSize, FixDispFusionLock,
         RedGreenOrRedBlue, WorthDotMode,   MyRed,         MyBlue,            MyGreen,
         MyBlack,         AudioAlert,       SelectedVideo, VideoPlayer,       NumberOfMonitors,
         MonitorWindowFlag, ThumbnailFlag,  AlwaysOnTopFlag, SmoothingFlag,   TimerDelay,
         ShowVirtualRemote,
         LuminanceContrast ? (*LuminanceContrast == 1 ? 1 : 0) : -1,
         PhoneRemote ? (*PhoneRemote == 1 ? 1 : 0) : -1});
    RunConfigurationWindow(work);
    if (!work.save) return 0;

    RebuildColours(work);
    const ConfigurationValues& v = work.values;
    const int monitors = v.NumberOfMonitors;
    CopyMonitors(ShowTestDistance, v.ShowTestDistance, monitors);
    CopyMonitors(Mirror, v.Mirror, monitors);
    CopyMonitors(LabelSize, v.LabelSize, monitors);
    CopyMonitors(LabelColor, v.LabelColor, monitors);
    CopyMonitors(MaxVShutter, v.MaxVShutter, monitors);
    CopyMonitors(StatusBar, v.StatusBar, monitors);
    CopyMonitors(TestDistance, v.TestDistance, monitors);
    CopyMonitors(JacksonCrossTargetSize, v.JacksonCrossTargetSize, monitors);
    CopyMonitors(AccessibleContrast, v.AccessibleContrast, monitors);
    CopyMonitors(WorthDotSize, v.WorthDotSize, monitors);
    CopyMonitors(FixDispFusionLock, v.FixDispFusionLock, monitors);
    CopyMonitors(WorthDotMode, v.WorthDotMode, monitors);
    CurrentMonitor = v.CurrentMonitor;
    AcuityBase = v.AcuityBase;
    AstigMode = v.AstigMode;
    RedGreenOrRedBlue = v.RedGreenOrRedBlue;
    MyRed = v.MyRed;
    MyBlue = v.MyBlue;
    MyGreen = v.MyGreen;
    MyBlack = v.MyBlack;
    AudioAlert = v.AudioAlert;
    SelectedVideo = v.SelectedVideo;
    VideoPlayer = v.VideoPlayer;
    MonitorWindowFlag = v.MonitorWindowFlag;
    ThumbnailFlag = v.ThumbnailFlag;
    AlwaysOnTopFlag = v.AlwaysOnTopFlag;
    SmoothingFlag = v.SmoothingFlag;
    TimerDelay = v.TimerDelay;
    ShowVirtualRemote = v.ShowVirtualRemote;
    if (LuminanceContrast) *LuminanceContrast = v.LuminanceContrast;
    if (PhoneRemote) *PhoneRemote = v.PhoneRemote;
    return work.end == ConfigurationEnd::Calibrate    ? kConfigurationCalibrate
           : work.end == ConfigurationEnd::MatchGamma ? kConfigurationMatchGamma
                                                      : 0;
  } catch (const std::exception& error) {
    ShowTrappedError(Describe(error));
  } catch (...) {
    ShowTrappedError({5, "Unknown error"});
  }
  return 0;
}
