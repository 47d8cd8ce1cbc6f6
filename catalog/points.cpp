#include "catalog/points.h"

namespace lyrova {

std::vector<std::uint16_t> DecodePointValues(std::span<const std::uint8_t> packed) {
  std::vector<std::uint16_t> values;
  values.reserve(packed.size());
  for (std::size_t i = 0; i < packed.size(); ++i) {
    const std::uint8_t a = packed[i];
    if (a < 0x80) {
      values.push_back(a);
      continue;
    }
    if (i + 1 == packed.size()) break;
    // The second byte counts whole: this is not a MIDI variable-length number.
    values.push_back(static_cast<std::uint16_t>((a - 0x80) * 128 + packed[++i]));
  }
  return values;
}

TimingPairs DecodeTiming(std::span<const std::uint8_t> packed) {
  const std::vector<std::uint16_t> values = DecodePointValues(packed);
  TimingPairs pairs;
  pairs.reserve(values.size());
  std::uint32_t start = 0;  // unsigned, so that an overlong block wraps instead of overflowing
  for (std::uint16_t v : values) {
    const std::uint32_t length = std::uint32_t{v} * kTicksPerPointUnit;
    pairs.push_back({static_cast<std::int32_t>(start), static_cast<std::int32_t>(length)});
    start += length;
  }
  return pairs;
}

}  // namespace lyrova
