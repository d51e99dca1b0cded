#include <cstddef>
#include <cstdint>
#include <string>

#include "RoundTrip.h"
#include "store/PresetFile.h"

using namespace lenvari;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  Presets presets;
  CompletePresetTable(presets, ReadPresetText(presets, text));
  const std::string written = PresetFileText(presets);
  Presets again;
  if (ReadPresetText(again, written) != kPresetCount * kPresetFields) std::abort();
  ExpectSameText(written, PresetFileText(again));
  return 0;
}
