#pragma once
// The configuration dialog's working copy and the rules that turn its values into list items,
// texts and colours and back. No widgets here: the dialog's controls show and edit these values.

#include <optional>
#include <string>
#include <vector>

#include "dialogs/LenvariDLL.h"

namespace lenvari {

// Every setting the dialog edits, in the order the caller passes them.
struct ConfigurationValues {
  int AcuityBase = 20;
  LenvariMonitorTable<int> ShowTestDistance{};
  LenvariMonitorTable<int> Mirror{};
  int CurrentMonitor = 1;
  LenvariMonitorTable<float> LabelSize{};
  LenvariMonitorTable<std::string> LabelColor;
  LenvariMonitorTable<int> MaxVShutter{};
  LenvariMonitorTable<int> StatusBar{};
  LenvariMonitorTable<std::string> TestDistance;
  std::string AstigMode;
  LenvariMonitorTable<int> JacksonCrossTargetSize{};
  LenvariMonitorTable<int> AccessibleContrast{};
  LenvariMonitorTable<int> WorthDotSize{};
  LenvariMonitorTable<int> FixDispFusionLock{};
  std::string RedGreenOrRedBlue;
  LenvariMonitorTable<int> WorthDotMode{};
  int MyRed = 0, MyBlue = 0, MyGreen = 0, MyBlack = 0;
  int AudioAlert = 0;
  std::string SelectedVideo;
  std::string VideoPlayer;
  int NumberOfMonitors = 1;
  int MonitorWindowFlag = 0, ThumbnailFlag = 0, AlwaysOnTopFlag = 0, SmoothingFlag = 0;
  float TimerDelay = 2;
  int ShowVirtualRemote = 0;
  // Contrast levels drawn at their true luminance; -1 when the caller keeps no such option.
  int LuminanceContrast = -1;
  // A phone on the room's network may drive the chart; -1 when the caller keeps no such option.
  int PhoneRemote = -1;

  bool operator==(const ConfigurationValues&) const = default;
};

// The button the dialog was left with, when it saved.
enum class ConfigurationEnd { Save, Calibrate, MatchGamma };

// The values while the dialog is open: the colours as three intensities 0 .. 255, whether
// anything was edited, and whether the dialog ends by saving.
struct ConfigurationWork {
  ConfigurationValues values;
  ConfigurationValues entry;  // as the caller passed them
  int red = 0, green = 0, blue = 0, background = 0;
  // Per monitor, what its distance box holds when that is no distance (nothing when it is
  // one): such a box is refused on Save and Calibrate and shown again as typed.
  LenvariMonitorTable<std::optional<std::string>> unreadableDistance;
  bool changed = false;
  bool save = false;
  ConfigurationEnd end = ConfigurationEnd::Save;
};

// The working state of the values as passed: intensities split from the four colours
// (red of `MyRed`, green of `MyGreen`, blue of `MyBlue`, the red part of the grey `MyBlack`);
// `NumberOfMonitors` limited to the ten monitors the tables hold.
ConfigurationWork BeginConfigurationWork(const ConfigurationValues& values);

// The four colours rebuilt from the intensities, as Save writes them back.
void RebuildColours(ConfigurationWork& work);

// The choices of the dialog's lists, in order.
extern const std::vector<std::string> kLabelSizeItems;
extern const std::vector<std::string> kLabelColorItems;
extern const std::vector<std::string> kAstigmatismItems;
extern const std::vector<std::string> kTargetSizeItems;  // JCC Target Size and Worth Dot Size
extern const std::vector<std::string> kContrastItems;
extern const std::vector<std::string> kTimerDelayItems;
std::vector<std::string> NumberItems(int last);  // "1" .. last

// The item (0-based) of a list that shows `value`, or -1 when no item matches.
int LabelSizeItem(double value);
int TargetSizeItem(double value);
int ContrastItem(double value);
int TimerDelayItem(double value);
int NumberItem(double value, int last);  // "1" .. last
int TextItem(const std::vector<std::string>& items, const std::string& text);

// The value a chosen item stands for: the last two characters of a size ("20/25" is 25,
// "None" is 0), the leading number of a percentage, row count or delay ("1.5 sec" is 1.5).
double SizeOfItem(const std::string& item);
double NumberOfItem(const std::string& item);

// "Dial With Labels" <-> "DialWithLabels": the list shows the words apart, the setting keeps
// them together.
std::string AstigmatismItemText(const std::string& setting);
std::string RemoveBlanks(const std::string& text);
// "Red/Green" -> "RedGreen".
std::string RemoveSlashes(const std::string& text);

// The test distance as the dialog shows it: the number alone ("20"), and whether the unit is
// feet (the text ends in "feet", any letter case) rather than meters.
std::string DistanceBoxText(const std::string& testDistance);
bool DistanceInFeet(const std::string& testDistance);
// The distance after typing `typed` into the box: its number and the unit typed after it, or
// the unit selected when none was ("12 feet", "6 meters"); nothing when the box holds no
// distance ("12abc", "3,5,1", "").
std::optional<std::string> TypedDistance(const std::string& typed, bool feet);
// The distance with its unit word swapped and the number left as it is (" 20 meters").
std::string DistanceWithUnit(const std::string& testDistance, bool feet);
// Height in centimetres of a 20/200 optotype at the distance, to two decimals, and its text.
double TwentyTwoHundredCm(const std::string& testDistance);
std::string TwentyTwoHundredText(const std::string& testDistance);
// Whether the calibration would take the distance (the range of the calibration dialog).
bool DistanceCalibratable(const std::string& testDistance);

// The first monitor (1 .. `NumberOfMonitors`) whose distance was edited into one the
// calibration would refuse, or 0 when there is none. With `includeCurrent` the distance of the
// monitor being edited counts even when it was not edited.
int FirstUncalibratableMonitor(const ConfigurationWork& work, bool includeCurrent);

// The read-only video box: the path, or "(No Video Selected)".
std::string VideoBoxText(const std::string& selectedVideo);
// The folder and the file name of a path ("" folder when there is none).
void SplitVideoPath(const std::string& path, std::string& folder, std::string& name);

// "error trapped: " + number + three blanks + description.
std::string TrappedErrorText(int number, const std::string& description);

}  // namespace lenvari
