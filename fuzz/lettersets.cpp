#include <cstddef>
#include <cstdint>
#include <string>

#include "RoundTrip.h"
#include "store/LetterSetFiles.h"

using namespace lenvari;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  LetterSets letters;
  if (!ReadLetterSetText(letters, 3, text)) return 0;
  const std::string written = LetterSetFileText(letters, 3);
  LetterSets again;
  if (!ReadLetterSetText(again, 3, written)) {
    std::fprintf(stderr, "a written file was refused:\n%s\n", written.c_str());
    std::abort();
  }
  ExpectSameText(written, LetterSetFileText(again, 3));
  return 0;
}
