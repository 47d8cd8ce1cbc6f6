#pragma once
// The points block: how long each sung character lights, derived from the
// notes the syllables are sung on, packed in one or two bytes per value.

#include <cstdint>
#include <vector>

namespace lyrova::demo {

using ByteVector = std::vector<std::uint8_t>;

// The largest value two bytes can hold: (255 - 128) × 128 + 255.
inline constexpr std::uint32_t kMaxPointValue = 16511;

struct SungSyllable {
  std::uint32_t start = 0;  // ticks of the first note
  std::uint32_t end = 0;    // ticks after its last note
  int characters = 0;       // timed characters: every one but the space
};

// The introduction (song start to the first syllable), then one value per
// character. A syllable lasts until the next one starts (the last one until
// its note ends) and its characters share that time, the first ones taking
// the remainder, so that every syllable's first character starts exactly on
// its note. Values are in timing units; ticks must fall on the unit grid.
// Throws lyrova::Error when they do not, or when a value does not fit.
std::vector<std::uint32_t> CharacterDurations(const std::vector<SungSyllable>& syllables,
                                              std::uint32_t ticksPerUnit);

// Values below 128 take one byte; larger ones two: 128 + high part, then
// the rest (0 to 255, so that 16,384 to 16,511 fit as well).
ByteVector EncodePoints(const std::vector<std::uint32_t>& values);

}  // namespace lyrova::demo
