#include <cstddef>
#include <cstdint>
#include <string>

#include "RoundTrip.h"
#include "store/SettingsFiles.h"

using namespace lenvari;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  State first;
  first.monitors.CurrentMonitor = 1;
  ReadSettingsText(first.settings, first.monitors, 1, text);
  const std::string written = SettingsFileText(first.settings, first.monitors, 1);
  State second;
  second.monitors.CurrentMonitor = 1;
  ReadSettingsText(second.settings, second.monitors, 1, written);
  ExpectSameText(written, SettingsFileText(second.settings, second.monitors, 1));
  return 0;
}
