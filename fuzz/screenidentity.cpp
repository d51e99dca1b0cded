#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "RoundTrip.h"
#include "store/ScreenIdentity.h"

using namespace lenvari;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  bool damaged = false;
  const PerMonitor<ScreenRecord> records = ParseScreenIdentityFile(text, &damaged);
  // What was written is read back whole, as the same records, and writes the same bytes.
  const std::string written = ScreenIdentityFileText(records);
  bool againDamaged = true;
  const PerMonitor<ScreenRecord> again = ParseScreenIdentityFile(written, &againDamaged);
  if (againDamaged) std::abort();
  for (int n = 1; n <= kMaxMonitors; ++n)
    if (again[n].known != records[n].known) std::abort();
  ExpectSameText(written, ScreenIdentityFileText(again));
  return 0;
}
