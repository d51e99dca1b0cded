#pragma once
// A visit to a gallery on the patient display: the picture with a red frame around the
// selected cell, moved by the arrows and the remote until a cell is chosen or Esc is pressed.
// The chart state does not change during a visit, only the cell number.

#include <functional>
#include <string>

#include "platform/qtgui/Bitmap.h"
#include "platform/qtgui/Canvas.h"
#include "store/PresetAction.h"

namespace lenvari {

struct State;

// What a visit needs from the program around it.
struct GalleryVisitHost {
  // The next input of the patient display; a click arrives as "MouseEvent" with `MouseX` and
  // `MouseY` of the chart state set to it.
  std::function<std::string()> waitForInput;
  // Shows the chart canvas as it now is.
  std::function<void()> present;
  std::function<void()> refreshMonitorWindow;
  // Stops the console's timer and gives the chart window the keyboard, before the first wait.
  std::function<void()> prepareInput;
};

inline constexpr const char* kPresetRecordBanner =
    "Memory Record Mode! - Use Mouse or Arrow Keys and <Enter> to select location, or press "
    "<Escape> to exit";
inline constexpr const char* kPresetRecordBannerAfterMove =
    "Memory Record Mode! - Use mouse to select location, or press <Escape> to exit";
inline constexpr const char* kImageRecordBanner =
    "Image Gallery Record Mode! - Use Mouse or Arrow Keys and <Enter> to select location, or "
    "press <Escape> to exit";
inline constexpr const char* kImageRecordBannerAfterMove =
    "Image Gallery Record Mode! - Use mouse to select location, or press <Escape> to exit";

// The preset gallery in `GalleryMode` (Store shows the record banners). Returns "1" with
// `CurrentMemory` set to the chosen cell, or "27" after Esc with `CurrentMemory` as it was.
// The chart canvas is left showing the gallery; the caller draws the chart.
std::string PresetGallery(State& state, Canvas& chart, const Bitmap& picture,
                          const GalleryVisitHost& host);

// The image gallery on `ImageNum`; `mode` Store is the record mode of an import. The remote's
// preset codes mean nothing here.
std::string ImageGallery(State& state, Canvas& chart, const Bitmap& picture,
                         PresetAction mode, const GalleryVisitHost& host);

}  // namespace lenvari
