#pragma once
// The chart state: what the patient monitor shows at any moment, and the run-time state the
// input loop keeps beside it. A memory preset is a snapshot of the first sixteen fields
// (the custom size among them lives in LetterSets::LetterSize(file, 0)).

#include <string>

#include "store/ChartMode.h"
#include "store/PresetAction.h"

namespace lenvari {

struct ChartState {
  int SizeNow = 0;             // size index in the current letter-set file; 0 = custom size
  ChartMode Mode = ChartMode::Other;
  std::string OtherModeWord;   // the stored word when Mode is Other, kept to be stored back
  int LetterSet = 0;           // line of the current letter-set file, 1 .. NumLetterSets
  int Grad = 0;                // gradient rows 0/1
  int RG = 0;                  // red/green overlay 0/1
  int HShutter = 0;            // columns shown, 999 = all
  int VShutter = 0;            // rows shown, 999 = all
  int Mask = 0;                // mask 0/1
  std::string JustOneLetter;   // "" or one capital letter shown alone
  int Foreground = 0;          // optotype grey in percent of white; 0 = black
  int Background = 0;          // carried in presets; the letter chart is always drawn on white
  int LetterSetFileNum = 0;    // letter-set file 1 .. 10
  int DispFlag = 0;
  int ImageNum = 0;            // image slot 1 .. 36 shown in "Image" mode

  int CurrentMemory = 0;       // memory preset last recalled or stored, 1 .. 36
  int RandomFlag = 0;          // 1: the next drawing shuffles the optotypes
  double TimedRandom = 0;      // 1 while timed randomize runs
  double TimedRandomStart = 0; // seconds since midnight of the last timed shuffle
  int PointerMode = 0;         // 0 none, n under optotype n, 999 wrapped
  int RowsShown = 0;           // rows the last drawing fitted
  int MouseX = 0, MouseY = 0;  // last click in chart units
  PresetAction GalleryMode = PresetAction::Recall;
  double StartTime = 0;        // seconds since midnight when the input loop began
  int ShowMemoryNumber = 0;    // 1: the status line shows the memory number
  int LastDirection = 0;       // last random orientation of a tumbling E or Landolt C
  std::string RandomPool;      // letters the last shuffled row drew from; kept between frames
};

// The word presets and the --frames record hold for the chart's mode.
inline std::string ModeWordOf(const ChartState& chart) {
  return chart.Mode == ChartMode::Other ? chart.OtherModeWord : ChartModeWord(chart.Mode);
}

// The chart's mode as a stored word names it.
inline void SetModeWord(ChartState& chart, const std::string& word) {
  chart.Mode = ChartModeOf(word);
  chart.OtherModeWord = chart.Mode == ChartMode::Other ? word : "";
}

}  // namespace lenvari
