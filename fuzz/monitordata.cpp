#include <cstddef>
#include <cstdint>
#include <string>

#include "RoundTrip.h"
#include "store/MonitorDataFile.h"

using namespace lenvari;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  Monitors monitors;
  Settings settings;
  if (!ReadMonitorDataText(monitors, settings, text)) return 0;
  const std::string written = MonitorDataText(monitors, settings);
  Monitors again;
  Settings againSettings;
  if (!ReadMonitorDataText(again, againSettings, written)) std::abort();
  ExpectSameText(written, MonitorDataText(again, againSettings));
  return 0;
}
