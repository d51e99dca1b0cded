#pragma once
// The keys that choose what the chart shows: optotype kinds, letter-set files and lines,
// single letters and images.

#include <string>

#include "store/ChartState.h"
#include "store/LetterSets.h"

namespace lenvari {

// The letter-set files the optotype keys switch to.
constexpr int kPictureFile = 8;
constexpr int kHotvFile = 2;
constexpr int kLandoltFile = 6;
constexpr int kLetterFileAfterLandolt = 7;
constexpr int kImageSlots = 36;

// "x": the image mode; while an image is shown, the next slot (36 wraps to 1).
void ImageKey(ChartState& chart);
// "p": the picture optotypes.
void PictureOptotypes(ChartState& chart);
// "^": letters -> pictures -> tumbling E -> Landolt C -> letters; other modes stay.
void OptotypeCycle(ChartState& chart);
// "e": the tumbling E, or the Landolt C when the E is already shown.
void TumblingEKey(ChartState& chart);
// "l": back to letters, or with letters shown the next letter-set file (10 wraps to 1).
void LetterSetFileKey(ChartState& chart, const LetterSets& letters);
// Space: the next line of the letter-set file, wrapping to the first.
void NextLine(ChartState& chart, const LetterSets& letters);
// "h": the HOTV letters.
void HotvKey(ChartState& chart);
// "A" .. "Z": that letter alone.
void SingleLetter(ChartState& chart, const std::string& letter);
// 0 <-> 1 for the chart's on/off fields (gradient, mask, red/green).
void Toggle(int& flag);

}  // namespace lenvari
