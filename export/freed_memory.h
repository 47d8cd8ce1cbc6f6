#pragma once
// A saved song's encoders, pictures and synthesizer are freed when the save
// ends, but glibc keeps freed memory for later by default: after a save the
// player would stay tens of megabytes larger. These give it back.

namespace lyrova {

// At program start, before any thread: a fixed threshold for the blocks
// malloc takes straight from the system. glibc otherwise raises it after
// each large block freed, and then keeps the memory of a finished save even
// when asked to give it back.
void KeepFreedMemoryReturnable();

// After a save: every page that no block uses goes back to the system.
void ReturnFreedMemory();

}  // namespace lyrova
