#include "export/freed_memory.h"

#include <malloc.h>

namespace lyrova {

// glibc's own ceiling for the raised threshold: a 4K picture still comes
// from the heap, and is reused there.
constexpr int kMmapThreshold = 32 * 1024 * 1024;

void KeepFreedMemoryReturnable() { mallopt(M_MMAP_THRESHOLD, kMmapThreshold); }

void ReturnFreedMemory() { malloc_trim(0); }

}  // namespace lyrova
