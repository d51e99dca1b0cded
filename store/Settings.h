#pragma once
// The settings that survive a restart: per-monitor tables (index = monitor 1 .. 10) and
// global values, under the names of their keys in the settings files.

#include <string>

#include "store/Monitors.h"

namespace lenvari {

struct Settings {
  // Per monitor.
  PerMonitor<std::string> TestDistance;
  PerMonitor<float> LabelSize{};
  PerMonitor<std::string> LabelColor;
  PerMonitor<int> Mirror{};
  PerMonitor<int> MaxVShutter{};
  PerMonitor<int> JacksonCrossTargetSize{};
  PerMonitor<int> WorthDotSize{};
  PerMonitor<int> WorthDotMode{};
  PerMonitor<int> AccessibleContrast{};
  PerMonitor<int> StatusBar{};
  PerMonitor<int> FixDispFusionLock{};
  PerMonitor<int> ShowTestDistance{};
  PerMonitor<int> MonitorWindowX{};
  PerMonitor<int> MonitorWindowY{};
  PerMonitor<int> MonitorWindowWidth{};
  PerMonitor<int> MonitorWindowHeight{};

  // Global.
  std::string AstigMode;
  int AcuityBase = 0;
  std::string SelectedVideo;
  std::string VideoPlayer;
  float TimerDelay = 0;
  std::string RedGreenOrRedBlue;
  int MyRed = 0, MyGreen = 0, MyBlue = 0, MyBlack = 0;
  int AudioAlert = 0;
  int MonitorWindowFlag = 0;
  int ThumbnailFlag = 0;
  int AlwaysOnTopFlag = 0;
  int SmoothingFlag = 0;
  int ShowVirtualRemote = 0;
  std::string Version;

  // Why settings file n could not be read (empty: it could). Such a file is never written over.
  PerMonitor<std::string> FileUnreadable{};
};

}  // namespace lenvari
