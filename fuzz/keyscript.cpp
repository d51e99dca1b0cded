#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/KeyScript.h"

using namespace lenvari;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string error;
  ParseKeyScript(std::string(reinterpret_cast<const char*>(data), size), error);
  return 0;
}
