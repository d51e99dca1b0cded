#pragma once
// Patient monitors and their calibration. Tables are indexed by monitor number 1 .. 10;
// index 0 is never used.

#include <array>
#include <string>

namespace lenvari {

constexpr int kMaxMonitors = 10;
template <class T>
using PerMonitor = std::array<T, kMaxMonitors + 1>;

// left, top, right, bottom at indexes 1 .. 4 (index 0 unused), in desktop device pixels.
using MonitorRectangle = std::array<int, 5>;

struct Monitors {
  int NumberOfMonitors = 0;
  int CurrentMonitor = 0;
  int MonitorRecordCount = 0;
  PerMonitor<MonitorRectangle> MonitorRect{};
  PerMonitor<MonitorRectangle> SavedMonitorRect{};
  PerMonitor<int> ScreenWidth{};
  PerMonitor<int> ScreenHeight{};
  PerMonitor<int> MasterScaleX{};
  PerMonitor<int> MasterScaleY{};
  // Why the monitor data file could not be read (empty: it could). It is never written over then.
  std::string DataFileUnreadable;
  int ChartWidth = 0;   // chart extent in chart units, set when the chart window opens
  int ChartHeight = 0;
};

}  // namespace lenvari
