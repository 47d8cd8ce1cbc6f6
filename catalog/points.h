#pragma once
// The points block: one packed duration for the introduction, then one per
// timed character of the words, each in units of 96 music-time ticks.

#include <cstdint>
#include <span>
#include <vector>

namespace lyrova {

// Music-time ticks per unit of a packed duration (a thirty-second note).
inline constexpr std::int32_t kTicksPerPointUnit = 96;

struct TimingPair {
  std::int32_t start = 0;
  std::int32_t length = 0;
  bool operator==(const TimingPair&) const = default;
};

// The packed values, 0 to 16,511 each. A lead byte (0x80 or more) that ends
// the block without its second byte is not a value and is left out.
std::vector<std::uint16_t> DecodePointValues(std::span<const std::uint8_t> packed);

// The (start, length) pairs in music time, starts accumulated from 0.
// Starts wrap as 32-bit numbers, as the pairs' stored form does.
std::vector<TimingPair> DecodeTiming(std::span<const std::uint8_t> packed);

// Pairs as the lyric page takes them: start then length, each a
// little-endian signed 32-bit number.
std::vector<std::uint8_t> PackTiming(const std::vector<TimingPair>& pairs);
// The points block's pairs in that form.
std::vector<std::uint8_t> UnpackPoints(std::span<const std::uint8_t> packed);

}  // namespace lyrova
