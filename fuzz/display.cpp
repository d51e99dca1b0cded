#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "RoundTrip.h"
#include "store/DisplayFile.h"

using namespace lenvari;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const DisplayOptions options = ParseDisplayFile(text);
  // Only the sRGB curve (0) or a gamma within the believed range is ever used.
  if (options.LuminanceContrast != 0 && options.LuminanceContrast != 1) std::abort();
  if (options.DisplayGamma != 0 &&
      !(options.DisplayGamma >= kLowestDisplayGamma && options.DisplayGamma <= kHighestDisplayGamma))
    std::abort();
  const std::string written = DisplayFileText(options);
  ExpectSameText(written, DisplayFileText(ParseDisplayFile(written)));
  return 0;
}
