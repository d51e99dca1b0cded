#include "app/loop/FrameOutput.h"

#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <cstdio>
#include <functional>

#include "app/loop/ProgramEnd.h"
#include "common/NumberText.h"
#include "render/ContrastReadout.h"
#include "render/LetterChartLayout.h"
#include "render/SizeReadout.h"
#include "store/DataFolder.h"

namespace lenvari {

namespace {

QJsonArray WindowGeometry(const CanvasWindow& window) {
  int left = 0, top = 0, width = 0, height = 0;
  window.ActualGeometry(left, top, width, height);
  return QJsonArray{left, top, width, height};
}

}  // namespace

std::string FrameStateJson(const State& state, const CanvasWindow* chartWindow,
                           const std::string& statusNotice, std::optional<double> gammaMatch) {
  const ChartState& c = state.chart;
  const Monitors& monitors = state.monitors;
  const int m = monitors.CurrentMonitor;
  const int file = c.LetterSetFileNum;
  QJsonObject o;
  o["SizeNow"] = c.SizeNow;
  o["Mode"] = QString::fromStdString(ModeWordOf(c));
  o["LetterSet"] = c.LetterSet;
  o["Grad"] = c.Grad;
  o["RG"] = c.RG;
  o["HShutter"] = c.HShutter;
  o["VShutter"] = c.VShutter;
  o["Mask"] = c.Mask;
  o["JustOneLetter"] = QString::fromStdString(c.JustOneLetter);
  o["CustomSize"] = file >= 0 && file <= kLetterSetFiles ? state.letters.LetterSize[file][0] : 0.0;
  o["Foreground"] = c.Foreground;
  o["Background"] = c.Background;
  // What the examiner's contrast level names, and what an sRGB screen shows for its grey.
  o["NominalContrast"] = 100 - c.Foreground;
  o["WeberContrast"] = std::round(DrawnWeberContrast(c.Foreground, state.display) * 100) / 100;
  o["LuminanceContrast"] = state.display.LuminanceContrast;
  o["DisplayGamma"] = state.display.DisplayGamma;
  if (gammaMatch) o["GammaMatch"] = QJsonObject{{"Gamma", *gammaMatch}};
  o["LetterSetFileNum"] = c.LetterSetFileNum;
  o["DispFlag"] = c.DispFlag;
  o["ImageNum"] = c.ImageNum;
  o["CurrentMemory"] = c.CurrentMemory;
  o["PointerMode"] = c.PointerMode;
  o["TimedRandom"] = c.TimedRandom;
  o["ShowMemoryNumber"] = c.ShowMemoryNumber;
  o["RowsShown"] = c.RowsShown;
  o["ChartWidth"] = monitors.ChartWidth;
  o["ChartHeight"] = monitors.ChartHeight;
  o["CurrentMonitor"] = m;
  o["NumberOfMonitors"] = monitors.NumberOfMonitors;
  if (m >= 1 && m <= kMaxMonitors) {
    o["MasterScaleX"] = monitors.MasterScaleX[m];
    o["MasterScaleY"] = monitors.MasterScaleY[m];
    o["ScreenWidth"] = monitors.ScreenWidth[m];
    o["ScreenHeight"] = monitors.ScreenHeight[m];
    o["Mirror"] = state.settings.Mirror[m];
    QJsonArray rect;
    for (int i = 1; i <= 4; ++i) rect.append(monitors.MonitorRect[m][i]);
    o["MonitorRect"] = rect;
  }
  QJsonArray lines;
  size_t start = 0;
  const std::string& text = state.MonitorText;
  while (start < text.size()) {
    size_t end = text.find('\r', start);
    if (end == std::string::npos) end = text.size();
    lines.append(QString::fromStdString(text.substr(start, end - start)));
    start = end + 1;
  }
  o["MonitorText"] = lines;
  // Each drawn row's stroke as it should be and as it comes out in light; a readout only.
  auto hundredths = [](double value) { return std::round(value * 100) / 100; };
  const std::string numerator =
      ShortestNumber(state.letters.SnellenNumerator[SafeFileIndex(c.LetterSetFileNum)]);
  QJsonArray rows;
  for (const StrokeReadout& r : RowReadouts(state)) {
    QJsonObject row;
    row["Snellen"] = QString::fromStdString(numerator + "/" + ShortestNumber(r.denominator));
    row["IdealStrokePixels"] = hundredths(r.idealPixels);
    row["EffectiveStrokePixels"] = hundredths(r.effectivePixels);
    row["ErrorPercent"] = hundredths(r.errorPercent);
    row["BeyondTolerance"] = r.beyondTolerance;
    rows.append(row);
  }
  o["StrokeReadout"] = rows;
  const double best = BestMeasurableDenominator(state);
  o["BestMeasurableAcuity"] =
      best > 0 ? QString::fromStdString(numerator + "/" + ShortestNumber(best)) : QString();
  if (chartWindow) o["ChartWindowGeometry"] = WindowGeometry(*chartWindow);
  if (!statusNotice.empty()) o["StatusNotice"] = QString::fromStdString(statusNotice);
  return QJsonDocument(o).toJson(QJsonDocument::Indented).toStdString();
}

void RecordFrame(const std::string& dir, const char* kind, int& count,
                 const std::function<bool(const std::string& pngPath)>& savePicture,
                 const std::function<std::string()>& json) {
  QDir().mkpath(QString::fromStdString(dir));
  ++count;
  char name[32];
  std::snprintf(name, sizeof name, "%s-%04d", kind, count);
  const std::string base = dir + "/" + name;
  std::string reason;
  const bool saved = savePicture(base + ".png");
  if (!saved) reason = "the picture could not be written";
  if (saved && WriteFileAtomically(base + ".json", json(), &reason)) return;
  // A scripted run whose frames are missing would be judged on pictures it never wrote.
  const std::string shown = QDir::toNativeSeparators(QString::fromStdString(base)).toStdString();
  std::fprintf(stderr, "LenvariMain: --frames: %s: %s\n", shown.c_str(), reason.c_str());
  throw ProgramEnd{kFrameWriteFailedExitCode};
}

namespace {

std::function<bool(const std::string&)> SaveCanvas(const Canvas& canvas) {
  return [&canvas](const std::string& path) {
    return canvas.Image().save(QString::fromStdString(path), "PNG");
  };
}

std::string MonitorFrameJson(const ProgramContext& context, const CanvasWindow& window,
                             const std::vector<std::string>& printed) {
  const Settings& settings = context.state.settings;
  const int m = context.state.monitors.CurrentMonitor;
  int left = 0, top = 0, width = 0, height = 0;
  window.ActualGeometry(left, top, width, height);
  QJsonObject o;
  o["Position"] = QJsonArray{left, top};
  o["ClientSize"] = QJsonArray{width, height};
  if (m >= 1 && m <= kMaxMonitors) {
    o["StoredPosition"] = QJsonArray{settings.MonitorWindowX[m], settings.MonitorWindowY[m]};
    o["StoredSize"] = QJsonArray{settings.MonitorWindowWidth[m], settings.MonitorWindowHeight[m]};
  }
  o["Mode"] = QString::fromStdString(ModeWordOf(context.state.chart));
  QJsonArray lines;
  for (const std::string& line : printed) lines.append(QString::fromStdString(line));
  o["Lines"] = lines;
  return QJsonDocument(o).toJson(QJsonDocument::Indented).toStdString();
}

}  // namespace

void WriteFrame(ProgramContext& context, const Canvas& canvas, const CanvasWindow* window) {
  RecordFrame(context.options.framesDir, "frame", context.framesWritten.chart, SaveCanvas(canvas),
              [&] {
                return FrameStateJson(context.state, window, context.notices.status,
                                      context.gammaMatch.shown);
              });
}

void WriteMonitorFrame(ProgramContext& context, const Canvas& canvas, const CanvasWindow& window,
                       const std::vector<std::string>& printed) {
  RecordFrame(context.options.framesDir, "monitor", context.framesWritten.monitor,
              SaveCanvas(canvas), [&] { return MonitorFrameJson(context, window, printed); });
}

}  // namespace lenvari
