#include "app/ChartModeKeys.h"

namespace lenvari {

void ImageKey(ChartState& chart) {
  if (chart.Mode == "Image") {
    chart.ImageNum += 1;
    if (chart.ImageNum == kImageSlots + 1) chart.ImageNum = 1;
  }
  chart.Mode = "Image";
}

void PictureOptotypes(ChartState& chart) {
  chart.Mode = "Letter";
  chart.LetterSetFileNum = kPictureFile;
}

void OptotypeCycle(ChartState& chart) {
  if (chart.Mode == "Letter") {
    if (chart.LetterSetFileNum == kPictureFile) {
      chart.Mode = "TumblingE";
      chart.LetterSetFileNum = kLandoltFile;
    } else {
      chart.LetterSetFileNum = kPictureFile;
    }
  } else if (chart.Mode == "TumblingE") {
    chart.Mode = "LandoltC";
    chart.LetterSetFileNum = kLandoltFile;
  } else if (chart.Mode == "LandoltC") {
    chart.Mode = "Letter";
    chart.LetterSetFileNum = kLetterFileAfterLandolt;
  }
}

void TumblingEKey(ChartState& chart) {
  chart.Mode = chart.Mode == "TumblingE" ? "LandoltC" : "TumblingE";
}

void LetterSetFileKey(ChartState& chart, const LetterSets& letters) {
  chart.DispFlag = 0;
  if (chart.Mode != "Letter") {
    chart.Mode = "Letter";
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
  chart.Mode = "Letter";
  chart.LetterSet = 1;
  chart.LetterSetFileNum = kHotvFile;
}

void SingleLetter(ChartState& chart, const std::string& letter) {
  chart.JustOneLetter = letter;
  chart.Mode = "Letter";
  chart.HShutter = 1;
  chart.VShutter = 1;
}

void Toggle(int& flag) { flag = flag == 1 ? 0 : 1; }

}  // namespace lenvari
