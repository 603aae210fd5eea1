// How the process's allocator treats freed memory.
#pragma once

#include <cstddef>

namespace platform {

// Keeps freed memory in the process for reuse instead of handing it back to the system.
// A game list of tens of thousands of entries is freed and built again on every
// configuration switch or favourites toggle; memory handed back must be faulted in page by
// page the next time, which costs more than building the list itself. The process keeps
// its peak size (tens of MB for the largest lists) instead.
void KeepFreedMemoryForReuse();

// Hands the whole free pages of the heap back to the system. For the moments that free
// and rebuild most of what the process holds, the display above all: a launch or a lost
// display releases every texture, font and picture and the renderer's own buffers, and
// loads them again. The heap kept from each round is holed differently by the next, so
// without this the resident size creeps up with every launch.
void ReturnFreedMemory();

// The bytes the allocator has handed out and not had back, in every thread's heap; 0 where
// the allocator cannot tell (under a sanitizer's).
std::size_t HeapBytesInUse();

}  // namespace platform
