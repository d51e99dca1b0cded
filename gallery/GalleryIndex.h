#pragma once
// What each cell of a gallery picture was drawn from, kept beside the picture in a small file
// of this program's own (m + "LVGallery.idx", m + "ImageGallery.idx"): a stamp of the preset
// or image slot and of the display geometry per cell. The picture is written first and the
// index after it, so the index never claims more than the picture holds: a crash between the
// preset file, the picture and the index leaves a cell whose stamp differs from its preset's,
// and that cell is drawn again before the gallery is shown.

#include <array>
#include <string>
#include <vector>

#include "gallery/GalleryCells.h"

namespace lenvari {

struct State;

// Cell n's stamp at [n]; "" for a cell whose content is not known.
using CellStamps = std::array<std::string, kGalleryCells + 1>;

// The stamps of the cells as the present presets and display would draw them: a hash of the
// preset's stored fields and the current monitor's size and scale.
CellStamps PresetCellStamps(const State& state);
// The same for the image slots: each slot file's size and modification time.
CellStamps ImageCellStamps(const State& state);

std::string GalleryIndexText(const CellStamps& stamps);
CellStamps ParseGalleryIndex(const std::string& text);

// The index of the picture at `indexPath`; all cells unknown when it is missing or unreadable.
CellStamps ReadGalleryIndex(const std::string& indexPath);
bool WriteGalleryIndex(const std::string& indexPath, const CellStamps& stamps,
                       std::string* reason = nullptr);

// The cells whose drawn stamp is not the present one (or is not known), in order.
std::vector<int> StaleCells(const CellStamps& drawn, const CellStamps& present);

}  // namespace lenvari
