#include "gallery/GalleryCells.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "common/NumberText.h"
#include "platform/KeyTranslation.h"

namespace lenvari {
namespace {

constexpr int kRemoteMemoryBase = 200;
constexpr int kRemoteMemoryKeys = 12;

double Truncated16(double value) {
  return static_cast<double>(static_cast<std::int16_t>(static_cast<int>(std::trunc(value))));
}

}  // namespace

int CellColumn(int n) { return n - kGalleryColumns * ((n - 1) / kGalleryColumns); }
int CellRow(int n) { return (n - 1) / kGalleryColumns; }

RectF CellRect(int n, int chartWidth, int chartHeight) {
  const int c = CellColumn(n), r = CellRow(n);
  const double w = chartWidth, h = chartHeight;
  return {Truncated16(-w / 2 + (c - 1) * w / 6), Truncated16(-h / 2 + r * h / 6),
          Truncated16(-w / 2 + c * w / 6), Truncated16(-h / 2 + (r + 1) * h / 6)};
}

int CellAt(int x, int y, int chartWidth, int chartHeight) {
  if (chartWidth <= 0 || chartHeight <= 0) return 1;
  const auto band = [](double position, double extent) {
    const int b = static_cast<int>(std::floor(6.0 * (position + extent / 2) / extent));
    return std::clamp(b, 0, kGalleryColumns - 1);
  };
  return band(x, chartWidth) + 1 + kGalleryColumns * band(y, chartHeight);
}

int CellFrameWidth(int screenWidth) {
  return static_cast<int>(RoundHalfEven(screenWidth / 250.0));
}

CellMove MoveSelection(int cell, const std::string& input, bool memoryCodes, int mouseX,
                       int mouseY, int chartWidth, int chartHeight) {
  using namespace keycode;
  CellMove move{cell};
  int& n = move.cell;
  if (input == ExtendedKey(Up) || input == "!") {
    n -= kGalleryColumns;
    if (n < 1) n += kGalleryCells;
  } else if (input == ExtendedKey(Down) || input == "@") {
    n += kGalleryColumns;
    if (n > kGalleryCells) n -= kGalleryCells;
  } else if (input == ExtendedKey(Right) || input == "$") {
    n += 1;
    if (n % kGalleryColumns == 1) n -= kGalleryColumns;  // past the row's end: its first cell
  } else if (input == ExtendedKey(Left) || input == "#") {
    n -= 1;
    if (n % kGalleryColumns == 0) n += kGalleryColumns;  // before the row's start: its last cell
  } else if (input == kEscKey) {
    move.finished = move.escaped = true;
  } else if (input == kEnterKey || input == ".") {
    move.finished = true;
  } else if (input == "MouseEvent") {
    n = CellAt(mouseX, mouseY, chartWidth, chartHeight);
    move.finished = true;
  } else if (memoryCodes && input.size() == 1) {
    const int code = static_cast<unsigned char>(input[0]);
    if (code > kRemoteMemoryBase && code <= kRemoteMemoryBase + kRemoteMemoryKeys) {
      n = code - kRemoteMemoryBase;
      move.finished = true;
    }
  }
  return move;
}

}  // namespace lenvari
