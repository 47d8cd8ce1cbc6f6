#pragma once
// The codes of the disc's songs in offset-table order, and which of them hold
// their texts in the disc character set.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace lyrova::demo {

inline constexpr std::size_t kDiscSongCount = 2345;

// 1 to 1406, 3001 to 3396, 4001 to 4110, 5001 to 5024, 5501 to 5564,
// 6501 to 6843, 7001 and 7002: entry i of the table gets element i.
std::vector<std::uint32_t> DiscCodes();

// Every range is encoded except 6501 to 6843.
bool CodeIsEncoded(std::uint32_t code);

}  // namespace lyrova::demo
