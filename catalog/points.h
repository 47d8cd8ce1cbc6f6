#pragma once
// The points block: one packed duration for the introduction, then one per
// timed character of the words, each in units of 96 music-time ticks.

#include <cstdint>
#include <span>
#include <vector>

#include "catalog/timing_pair.h"

namespace lyrova {

// Music-time ticks per unit of a packed duration (a thirty-second note).
inline constexpr std::int32_t kTicksPerPointUnit = 96;

// The packed values, 0 to 16,511 each. A lead byte (0x80 or more) that ends
// the block without its second byte is not a value and is left out.
std::vector<std::uint16_t> DecodePointValues(std::span<const std::uint8_t> packed);

// The (start, length) pairs in music time, starts accumulated from 0.
// Starts wrap as 32-bit numbers, as music time does.
TimingPairs DecodeTiming(std::span<const std::uint8_t> packed);

}  // namespace lyrova
