#pragma once
// Large fresh buffers (a 4K frame is 33 MB) would otherwise take one page fault per 4 KiB page
// at their first write, which on a virtual machine costs more than the drawing itself.

#include <cstddef>

namespace lenvari {

// Asks the system to map every page of [start, start + bytes) writable now, in one call.
// Best effort: where the system cannot, the pages fault in at first write as before.
void PrefaultPages(const void* start, std::size_t bytes);

}  // namespace lenvari
