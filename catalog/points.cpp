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

std::vector<TimingPair> DecodeTiming(std::span<const std::uint8_t> packed) {
  const std::vector<std::uint16_t> values = DecodePointValues(packed);
  std::vector<TimingPair> pairs;
  pairs.reserve(values.size());
  std::uint32_t start = 0;  // unsigned, so that an overlong block wraps instead of overflowing
  for (std::uint16_t v : values) {
    const std::uint32_t length = std::uint32_t{v} * kTicksPerPointUnit;
    pairs.push_back({static_cast<std::int32_t>(start), static_cast<std::int32_t>(length)});
    start += length;
  }
  return pairs;
}

std::vector<std::uint8_t> PackTiming(const std::vector<TimingPair>& pairs) {
  std::vector<std::uint8_t> out;
  out.reserve(pairs.size() * 8);
  auto put = [&out](std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(u >> shift));
  };
  for (const TimingPair& p : pairs) {
    put(p.start);
    put(p.length);
  }
  return out;
}

std::vector<std::uint8_t> UnpackPoints(std::span<const std::uint8_t> packed) {
  return PackTiming(DecodeTiming(packed));
}

}  // namespace lyrova
