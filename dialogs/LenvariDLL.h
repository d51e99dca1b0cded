#pragma once
// The exported entry points of the dialog library. Arguments are the caller's variables, passed
// by reference; a dialog writes them back only when the user saves or presses OK.

#include <array>
#include <string>

#include "dialogs/Export.h"

namespace lenvari {
class VirtualRemoteMailbox;
}

// The acuity text converted to `base` notation: 20 = 20-foot fraction, 6 = 6-metre fraction,
// anything else decimal.
LENVARI_DLL_EXPORT std::string CONVERTACUITY(const std::string& acuity, const int& base);

// The calibration distance dialog. `distance` is the monitor's test distance (" 20 feet");
// on OK it becomes the distance entered, in the same form; on Cancel it stays as it was.
// Returns the distance as it stands afterwards. `parentWindow` is 0.
LENVARI_DLL_EXPORT std::string SHOWCALIBRATE(int parentWindow, std::string& distance);

// A per-monitor setting: one entry for each patient monitor 1 .. 10 (entry 0 is not used).
inline constexpr int kConfigurationCalibrate = 1;
inline constexpr int kConfigurationMatchGamma = 2;

template <class T>
using LenvariMonitorTable = std::array<T, 11>;

// The configuration dialog. Edits working copies of the settings; only Save and Calibrate
// write them back (the per-monitor entries 1 .. `NumberOfMonitors`, the monitor last chosen in
// `CurrentMonitor`, the global values with the colours rebuilt from the three intensities).
// Returns kConfigurationCalibrate or kConfigurationMatchGamma when the dialog ended with that
// button (having written the settings back as Save does), else 0. `parentWindow` is 0.
// `LuminanceContrast` (0/1, global) is the program's own display option, `PhoneRemote` (0/1,
// global) its phone remote; without one its check box is shown disabled.
LENVARI_DLL_EXPORT int SHOWCONFIGURATION(
    int parentWindow, int& AcuityBase, LenvariMonitorTable<int>& ShowTestDistance,
    LenvariMonitorTable<int>& Mirror, int& CurrentMonitor, LenvariMonitorTable<float>& LabelSize,
    LenvariMonitorTable<std::string>& LabelColor, LenvariMonitorTable<int>& MaxVShutter,
    LenvariMonitorTable<int>& StatusBar, LenvariMonitorTable<std::string>& TestDistance,
    std::string& AstigMode, LenvariMonitorTable<int>& JacksonCrossTargetSize,
    LenvariMonitorTable<int>& AccessibleContrast, LenvariMonitorTable<int>& WorthDotSize,
    LenvariMonitorTable<int>& FixDispFusionLock, std::string& RedGreenOrRedBlue,
    LenvariMonitorTable<int>& WorthDotMode, int& MyRed, int& MyBlue, int& MyGreen, int& MyBlack,
    int& AudioAlert, std::string& SelectedVideo, std::string& VideoPlayer, int NumberOfMonitors,
    int& MonitorWindowFlag, int& ThumbnailFlag, int& AlwaysOnTopFlag, int& SmoothingFlag,
    float& TimerDelay, int& ShowVirtualRemote, int* LuminanceContrast = nullptr,
    int* PhoneRemote = nullptr);

// The open-file dialog for a video, opening in `startFolder` with `fileName` filled in.
// The full path of the chosen (existing) file, or "" when cancelled.
LENVARI_DLL_EXPORT std::string SELECTVIDEOFILE(int parentWindow, const std::string& startFolder,
                                               const std::string& fileName);

// Two values asked in one dialog titled `title`, each under its prompt. OK stores both boxes
// as typed (any text, empty included); Cancel leaves both values as they were.
LENVARI_DLL_EXPORT void SHOWDIALOG_DUALINPUT(int parentWindow, const std::string& title,
                                             const std::string& firstPrompt,
                                             std::string& firstValue,
                                             const std::string& secondPrompt,
                                             std::string& secondValue);

// The reference card of the quick keys, with the way to the remote help. Returns when it is
// closed with OK, Enter or Escape. `parentWindow` is 0.
LENVARI_DLL_EXPORT void SHOWQUICKKEYS(int parentWindow);

// The virtual remote: each button press writes its code into `mailbox`, the main program's,
// which must outlive the window. Returns when the window is closed. `parentWindow` is 0.
LENVARI_DLL_EXPORT void SHOWVIRTUAL_REMOTE(int parentWindow, lenvari::VirtualRemoteMailbox& mailbox);
