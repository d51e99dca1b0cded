#include "app/commands/ChartModeKeys.h"

namespace lenvari {

void ImageKey(ChartState& chart) {
  if (chart.Mode == ChartMode::Image) {
    chart.ImageNum += 1;
    if (chart.ImageNum == kImageSlots + 1) chart.ImageNum = 1;
  }
  chart.Mode = ChartMode::Image;
}

void PictureOptotypes(ChartState& chart) {
  chart.Mode = ChartMode::Letter;
  chart.LetterSetFileNum = kPictureFile;
}

void OptotypeCycle(ChartState& chart) {
  if (chart.Mode == ChartMode::Letter) {
    if (chart.LetterSetFileNum == kPictureFile) {
      chart.Mode = ChartMode::TumblingE;
      chart.LetterSetFileNum = kLandoltFile;
    } else {
      chart.LetterSetFileNum = kPictureFile;
    }
  } else if (chart.Mode == ChartMode::TumblingE) {
    chart.Mode = ChartMode::LandoltC;
    chart.LetterSetFileNum = kLandoltFile;
  } else if (chart.Mode == ChartMode::LandoltC) {
    chart.Mode = ChartMode::Letter;
    chart.LetterSetFileNum = kLetterFileAfterLandolt;
  }
}

void TumblingEKey(ChartState& chart) {
  chart.Mode = chart.Mode == ChartMode::TumblingE ? ChartMode::LandoltC : ChartMode::TumblingE;
}

void LetterSetFileKey(ChartState& chart, const LetterSets& letters) {
  chart.DispFlag = 0;
  if (chart.Mode != ChartMode::Letter) {
    chart.Mode = ChartMode::Letter;
  } else {
    chart.LetterSetFileNum += 1;
    if (chart.LetterSetFileNum == kLetterSetFiles + 1) chart.LetterSetFileNum = 1;
    const int f = chart.LetterSetFileNum;
    if (f >= 0 && f <= kLetterSetFiles && letters.NumLetterSets[f] < chart.LetterSet)
      chart.LetterSet = 1;
  }
  chart.JustOneLetter = "";
}

void NextLine(ChartState& chart, const LetterSets& letters) {
  chart.DispFlag = 0;
  chart.JustOneLetter = "";
  chart.LetterSet += 1;
  const int f = chart.LetterSetFileNum;
  const int lines = f >= 0 && f <= kLetterSetFiles ? letters.NumLetterSets[f] : 0;
  if (chart.LetterSet > lines) chart.LetterSet = 1;
}

void HotvKey(ChartState& chart) {
  chart.Mode = ChartMode::Letter;
  chart.LetterSet = 1;
  chart.LetterSetFileNum = kHotvFile;
}

void SingleLetter(ChartState& chart, const std::string& letter) {
  chart.JustOneLetter = letter;
  chart.Mode = ChartMode::Letter;
  chart.HShutter = 1;
  chart.VShutter = 1;
}

void Toggle(int& flag) { flag = flag == 1 ? 0 : 1; }

}  // namespace lenvari
