#pragma once
// Song codes are not stored on the disc: they follow from the position of the
// song's offset-table entry, counting from 1 with jumps between code ranges.

#include <cstdint>

namespace lyrova {

inline constexpr std::uint32_t kFirstSongCode = 1;
inline constexpr std::uint32_t kLastSongCode = 7002;

// Applies the range jump due at `code` (1407 becomes 3001, 3397 becomes 4001,
// 4111 becomes 5001, 5025 becomes 5501, 5565 becomes 6501, 6844 becomes 7001)
// and the change of text encoding that goes with it: songs 6501 to 6843 are
// not encoded.
void ApplyCodeJump(std::uint32_t& code, bool& encoded);

}  // namespace lyrova
