// Writes the seed corpora of the harnesses into the folder named on the command line: the
// files a first start writes, one folder per reader.

#include <filesystem>
#include <fstream>
#include <string>

#include "store/BuiltInLetterSets.h"
#include "store/BuiltInPresets.h"
#include "store/LetterSetFiles.h"
#include "store/MonitorDataFile.h"
#include "store/PresetFile.h"
#include "store/SettingsFiles.h"

using namespace lenvari;
namespace fs = std::filesystem;

namespace {

void Put(const fs::path& folder, const std::string& name, const std::string& text) {
  fs::create_directories(folder);
  std::ofstream(folder / name, std::ios::binary) << text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const fs::path root = argv[1];
  State state;
  state.monitors.NumberOfMonitors = 2;
  state.monitors.MonitorRect[1] = {0, 0, 0, 1920, 1080};
  state.monitors.MonitorRect[2] = {0, -1280, 0, 0, 1024};
  state.monitors.MasterScaleX[1] = state.monitors.MasterScaleY[1] = 348;
  ApplyDefaultSettings(state.settings, state.monitors, 1);
  state.settings.TimerDelay = 12.5f;
  Put(root / "settings", "1lvconfig.cfg", SettingsFileText(state.settings, state.monitors, 1));
  Put(root / "monitordata", "lvmonitordata.cfg", MonitorDataText(state.monitors, state.settings));
  FillBuiltInPresets(state.presets);
  Put(root / "presets", "1presets.cfg", PresetFileText(state.presets));
  for (int f = 0; f <= kLetterSetFiles; ++f) {
    FillBuiltInLetterSet(state.letters, f);
    Put(root / "lettersets", "lv" + std::to_string(f) + ".let", LetterSetFileText(state.letters, f));
  }
  Put(root / "keyscript", "keys", "+m{Ctrl+F3}%{F3}{Backspace}{Enter}{Wait:1}{Click:10,-20}"
                                  "{Remote:m5}{Burst:ControlRemoteF12}{Menu:2/105}{{x");
  return 0;
}
