#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "RoundTrip.h"
#include "store/ControlWindowFile.h"

using namespace lenvari;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto record = ParseControlWindowFile(text);
  if (!record) return 0;
  // What is taken is a place a desktop can have: placing it cannot overflow.
  const long long extent = kLargestDesktopExtent;
  if (record->width < 1 || record->height < 1 || record->width > extent ||
      record->height > extent || record->left < -extent || record->left > extent ||
      record->top < -extent || record->top > extent)
    std::abort();
  const std::string written = ControlWindowFileText(*record);
  const auto again = ParseControlWindowFile(written);
  if (!again || !(*again == *record)) std::abort();
  ExpectSameText(written, ControlWindowFileText(*again));
  return 0;
}
