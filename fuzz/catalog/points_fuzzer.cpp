// Points blocks: every value decoded, pairs chained start to start.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "catalog/points.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> packed(data, size);
  const auto values = lyrova::DecodePointValues(packed);
  const auto pairs = lyrova::DecodeTiming(packed);
  const auto unpacked = lyrova::UnpackPoints(packed);
  if (pairs.size() != values.size() || unpacked.size() != pairs.size() * 8) std::abort();
  for (std::uint16_t v : values) {
    if (v > 16511) std::abort();
  }
  return 0;
}
