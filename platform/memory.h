// How the process's allocator treats freed memory.
#pragma once

namespace platform {

// Keeps freed memory in the process for reuse instead of handing it back to the system.
// A game list of tens of thousands of entries is freed and built again on every
// configuration switch or favourites toggle; memory handed back must be faulted in page by
// page the next time, which costs more than building the list itself. The process keeps
// its peak size (tens of MB for the largest lists) instead.
void KeepFreedMemoryForReuse();

}  // namespace platform
