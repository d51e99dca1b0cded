#include "platform/MemoryPrefault.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace lenvari {

void PrefaultPages(const void* start, std::size_t bytes) {
#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
  static const std::uintptr_t page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  // Only whole pages inside the buffer: the pages around it may belong to another mapping,
  // which would make the call fail.
  const std::uintptr_t first = (reinterpret_cast<std::uintptr_t>(start) + page - 1) / page * page;
  const std::uintptr_t end = (reinterpret_cast<std::uintptr_t>(start) + bytes) / page * page;
  // The contents stay as they are: only the mapping is made.
  if (end > first) madvise(reinterpret_cast<void*>(first), end - first, MADV_POPULATE_WRITE);
#else
  (void)start;
  (void)bytes;
#endif
}

}  // namespace lenvari
