// Renders every glyph key, labelled, into one PNG: direct view above, mirrored room below, then
// the Landolt ring and the tumbling E in each direction. For looking at the outlines.
//
//   glyphsheet OUT.png [size] [scale] [aliased] [only=KEY,KEY,...]
//
// size is the Snellen size D (default 40: letters 200 chart units high), scale the pixels per
// 1000 chart units (MasterScaleY, default 400); "aliased" turns smoothing off; "only=" limits
// the sheet to the keys listed.

#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "platform/qtgui/Canvas.h"
#include "render/Optotype.h"
#include "render/OptotypeShapes.h"

namespace {

using namespace lenvari;

constexpr int kColumns = 12;

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: glyphsheet OUT.png [size] [scale] [aliased] [only=KEY,...]\n");
    return 2;
  }
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  const std::string outPath = argv[1];
  std::vector<double> numbers;
  bool smooth = true;
  std::vector<std::string> only;
  for (int i = 2; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "aliased") {
      smooth = false;
    } else if (argument.rfind("only=", 0) == 0) {
      std::string list = argument.substr(5) + ",";
      for (size_t at = list.find(','); at != std::string::npos; at = list.find(',')) {
        if (at > 0) only.push_back(list.substr(0, at));
        list.erase(0, at + 1);
      }
    } else {
      numbers.push_back(std::atof(argument.c_str()));
    }
  }
  const double size = numbers.size() > 0 ? numbers[0] : 40;
  const double scale = numbers.size() > 1 ? numbers[1] : 400;
  if (size <= 0 || scale <= 0) {
    std::fprintf(stderr, "glyphsheet: size and scale must be positive\n");
    return 2;
  }

  const OptotypeShapes shapes = LoadOptotypeShapes();
  std::vector<std::string> keys;
  for (const GlyphKey& entry : shapes.keys) keys.push_back(entry.key);
  if (!only.empty()) keys = only;

  // A cell holds the largest glyph on the sheet (pictures are up to 2.6 times a letter) with
  // room for its label.
  const double letter = 5 * size;
  double largest = 1;
  for (const std::string& key : keys) {
    const GlyphKey* entry = shapes.FindKey(key);
    if (!entry) continue;
    const GlyphRecord& record = shapes.records[static_cast<size_t>(entry->record)];
    if (record.multiPart) largest = std::max(largest, record.sizeField / 1000.0);
  }
  const double cellWidth = letter * (largest + 0.3);
  const double labelHeight = 24 * 1000 / scale;  // 24 pixels
  const double cellHeight = letter * (largest + 0.3) + labelHeight;
  const int columns = std::min(kColumns, static_cast<int>(keys.size()));
  const int keyRows = (static_cast<int>(keys.size()) + columns - 1) / columns;
  const int rows = 2 * keyRows + (only.empty() ? 1 : 0);
  const double unitsWide = columns * cellWidth, unitsHigh = rows * cellHeight;
  const int pixelsWide = static_cast<int>(unitsWide * scale / 1000 + 0.5);
  const int pixelsHigh = static_cast<int>(unitsHigh * scale / 1000 + 0.5);
  Canvas canvas(pixelsWide, pixelsHigh);
  canvas.SetScale(0, 0, unitsWide, unitsHigh);
  canvas.SetAntialias(smooth);
  canvas.Clear(kWhite);
  canvas.SetFontPixels("Arial", 14);
  canvas.SetTextColour(RgbColour(0, 0, 160));

  int lastDirection = 0;
  std::mt19937 random(1);
  auto drawCell = [&](int cell, std::string key, int mirror, const std::string& mode,
                      const std::string& caption) {
    const double left = (cell % columns) * cellWidth, top = (cell / columns) * cellHeight;
    canvas.OutlineBox({left, top, left + cellWidth, top + cellHeight}, GreyColour(220));
    const double cx = left + cellWidth / 2, cy = top + (cellHeight - labelHeight) / 2;
    DrawOptotype(canvas, shapes, key, kBlack, cx, cy, size, mirror, ChartModeOf(mode),
                 lastDirection, random);
    std::string label = caption.empty() ? key : caption + " -> " + key;
    if (mirror < 0) label += " (mirrored)";
    canvas.PrintText(left + 4 * 1000 / scale, top + cellHeight - labelHeight, label);
  };

  int cell = 0;
  for (int mirror : {1, -1}) {
    for (const std::string& key : keys) drawCell(cell++, key, mirror, "", "");
    cell = (cell + columns - 1) / columns * columns;
  }
  // Random orientations, until every direction has been shown for both optotypes.
  for (int i = 0; i < 6 && cell < rows * columns; ++i) {
    drawCell(cell++, "C", i % 2 ? -1 : 1, "LandoltC", "LandoltC");
  }
  for (int i = 0; i < 6 && cell < rows * columns; ++i) {
    drawCell(cell++, "E", i % 2 ? -1 : 1, "TumblingE", "TumblingE");
  }

  if (!canvas.Image().save(QString::fromStdString(outPath))) {
    std::fprintf(stderr, "glyphsheet: cannot write %s\n", outPath.c_str());
    return 1;
  }
  std::printf("%s: %d x %d pixels, size %g, %g pixels per 1000 units\n", outPath.c_str(),
              pixelsWide, pixelsHigh, size, scale);
  return 0;
}
