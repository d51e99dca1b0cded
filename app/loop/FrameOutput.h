#pragma once
// The frame files of a --frames run: every presented frame of the patient display as
// frame-NNNN.png (the monitor's exact pixel size) and frame-NNNN.json (the chart state,
// RowsShown, ChartWidth, ChartHeight, the current monitor's scales and the MonitorText lines).

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/loop/ProgramContext.h"

namespace lenvari {

// One record of a --frames run in `dir`: KIND-NNNN.png, written by `savePicture`, and
// KIND-NNNN.json holding `json()`, NNNN being `count` after it is stepped. A record that cannot
// be written ends the run (ProgramEnd with kFrameWriteFailedExitCode) after a line on stderr.
void RecordFrame(const std::string& dir, const char* kind, int& count,
                 const std::function<bool(const std::string& pngPath)>& savePicture,
                 const std::function<std::string()>& json);

void WriteFrame(ProgramContext& context, const Canvas& canvas, const CanvasWindow* window);

// Every monitor-window update as monitor-NNNN.png (its client area at its real pixel size) and
// monitor-NNNN.json: the window's position and client size as the window system has them, the
// stored position and size, and the texts printed, top to bottom.
void WriteMonitorFrame(ProgramContext& context, const Canvas& canvas, const CanvasWindow& window,
                       const std::vector<std::string>& printed);

// The JSON text describing the state behind a frame, with the chart window's real geometry.
// `gammaMatch`: the gamma of the match screen the frame shows.
std::string FrameStateJson(const State& state, const CanvasWindow* chartWindow,
                           const std::string& statusNotice = "",
                           std::optional<double> gammaMatch = std::nullopt);

}  // namespace lenvari
