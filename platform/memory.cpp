#include "platform/memory.h"

#include <malloc.h>

namespace platform {

void KeepFreedMemoryForReuse() {
  // Fixed thresholds also stop glibc from adapting them: blocks below 32 MB come from the
  // heap, and the heap is not trimmed until 256 MB lie free at its top.
  ::mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
  ::mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
}

void ReturnFreedMemory() { ::malloc_trim(0); }

std::size_t HeapBytesInUse() {
  const struct mallinfo2 info = ::mallinfo2();
  return info.uordblks + info.hblkhd;  // blocks from the heaps, and those mapped one by one
}

}  // namespace platform
