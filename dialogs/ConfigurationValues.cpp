#include "dialogs/ConfigurationValues.h"

#include <algorithm>
#include <cctype>

#include "common/Colour.h"
#include "common/NumberText.h"
#include "common/TextCase.h"
#include "dialogs/CalibrationDistance.h"

namespace lenvari {

const std::vector<std::string> kLabelSizeItems = {"None",  "20/10", "20/15", "20/20",
                                                  "20/25", "20/30", "20/40", "20/50"};
const std::vector<std::string> kLabelColorItems = {"Blue",  "Red",   "Green",  "Gray",
                                                   "White", "Black", "Yellow", "Cyan"};
const std::vector<std::string> kAstigmatismItems = {"Dial With Labels", "Dial No Labels"};
const std::vector<std::string> kTargetSizeItems = {"20/10", "20/15", "20/20", "20/25", "20/30",
                                                   "20/40", "20/50", "20/60", "20/80"};
const std::vector<std::string> kContrastItems = {"3%", "5%", "10%", "20%", "30%", "40%", "50%"};
const std::vector<std::string> kTimerDelayItems = {"1.0 sec", "1.5 sec", "2.0 sec",
                                                   "3.0 sec", "4.0 sec", "5.0 sec"};

namespace {

int ItemOf(const std::vector<double>& values, double value) {
  const auto found = std::find(values.begin(), values.end(), value);
  return found == values.end() ? -1 : static_cast<int>(found - values.begin());
}

std::string UnitWord(bool feet) { return feet ? " feet" : " meters"; }

}  // namespace

ConfigurationWork BeginConfigurationWork(const ConfigurationValues& values) {
  ConfigurationWork work;
  work.values = values;
  work.values.NumberOfMonitors = std::min(values.NumberOfMonitors, 10);
  work.entry = work.values;
  work.red = RedOf(static_cast<Colour>(values.MyRed));
  work.green = GreenOf(static_cast<Colour>(values.MyGreen));
  work.blue = BlueOf(static_cast<Colour>(values.MyBlue));
  work.background = RedOf(static_cast<Colour>(values.MyBlack));
  return work;
}

void RebuildColours(ConfigurationWork& work) {
  work.values.MyRed = static_cast<int>(RgbColour(work.red, 0, 0));
  work.values.MyGreen = static_cast<int>(RgbColour(0, work.green, 0));
  work.values.MyBlue = static_cast<int>(RgbColour(0, 0, work.blue));
  work.values.MyBlack = static_cast<int>(GreyColour(work.background));
}

std::vector<std::string> NumberItems(int last) {
  std::vector<std::string> items;
  for (int n = 1; n <= last; ++n) items.push_back(std::to_string(n));
  return items;
}

int LabelSizeItem(double value) { return ItemOf({0, 10, 15, 20, 25, 30, 40, 50}, value); }
int TargetSizeItem(double value) { return ItemOf({10, 15, 20, 25, 30, 40, 50, 60, 80}, value); }
int ContrastItem(double value) { return ItemOf({3, 5, 10, 20, 30, 40, 50}, value); }
int TimerDelayItem(double value) { return ItemOf({1, 1.5, 2, 3, 4, 5}, value); }

int NumberItem(double value, int last) {
  const int n = static_cast<int>(value);
  return n == value && n >= 1 && n <= last ? n - 1 : -1;
}

int TextItem(const std::vector<std::string>& items, const std::string& text) {
  const auto found = std::find(items.begin(), items.end(), text);
  return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

double SizeOfItem(const std::string& item) {
  return LeadingNumber(item.size() > 2 ? item.substr(item.size() - 2) : item);
}

double NumberOfItem(const std::string& item) { return LeadingNumber(item); }

std::string AstigmatismItemText(const std::string& setting) {
  if (setting == "DialWithLabels") return "Dial With Labels";
  if (setting == "DialNoLabels") return "Dial No Labels";
  return setting;
}

std::string RemoveBlanks(const std::string& text) {
  std::string out;
  for (char c : text)
    if (c != ' ') out += c;
  return out;
}

std::string RemoveSlashes(const std::string& text) {
  std::string out;
  for (char c : text)
    if (c != '/') out += c;
  return out;
}

std::string DistanceBoxText(const std::string& testDistance) {
  return DistanceNumberText(LeadingNumber(testDistance));
}

bool DistanceInFeet(const std::string& testDistance) {
  return LowerCase(testDistance).ends_with("feet");
}

std::optional<std::string> TypedDistance(const std::string& typed, bool feet) {
  const auto entry = ReadTypedDistance(typed);
  if (!entry) return std::nullopt;
  if (!entry->unit.empty()) feet = entry->unit == "feet";
  return DistanceNumberText(entry->value) + UnitWord(feet);
}

std::string DistanceWithUnit(const std::string& testDistance, bool feet) {
  const std::string from = UnitWord(!feet);
  if (testDistance.ends_with(from))
    return testDistance.substr(0, testDistance.size() - from.size()) + UnitWord(feet);
  if (testDistance.ends_with(UnitWord(feet))) return testDistance;
  // A distance without either unit word (typed by hand into a settings file) gets the one
  // chosen, so the stored text and the unit shown agree.
  return DistanceBoxText(testDistance) + UnitWord(feet);
}

double TwentyTwoHundredCm(const std::string& testDistance) {
  double cm = 0.174533048 * LeadingNumber(testDistance) * 2.54;
  if (!DistanceInFeet(testDistance)) cm *= 3.28084;
  return RoundToHundredths(cm);
}

std::string TwentyTwoHundredText(const std::string& testDistance) {
  return ShortestNumber(TwentyTwoHundredCm(testDistance));
}

bool DistanceCalibratable(const std::string& testDistance) {
  return DistanceAcceptable(LeadingNumber(testDistance), DistanceUnit(testDistance));
}

int FirstUncalibratableMonitor(const ConfigurationWork& work, bool includeCurrent) {
  const ConfigurationValues& v = work.values;
  for (int m = 1; m <= v.NumberOfMonitors; ++m) {
    const bool edited = v.TestDistance.at(m) != work.entry.TestDistance.at(m);
    const bool current = includeCurrent && m == v.CurrentMonitor;
    if (work.unreadableDistance.at(m)) return m;
    if ((edited || current) && !DistanceCalibratable(v.TestDistance.at(m))) return m;
  }
  return 0;
}

std::string VideoBoxText(const std::string& selectedVideo) {
  return selectedVideo.empty() ? "(No Video Selected)" : selectedVideo;
}

void SplitVideoPath(const std::string& path, std::string& folder, std::string& name) {
  const size_t slash = path.find_last_of("\\/");
  if (slash == std::string::npos) {
    folder.clear();
    name = path;
    return;
  }
  folder = path.substr(0, slash);
  name = path.substr(slash + 1);
}

std::string TrappedErrorText(int number, const std::string& description) {
  return "error trapped: " + std::to_string(number) + "   " + description;
}

}  // namespace lenvari
