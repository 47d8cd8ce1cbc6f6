// Points blocks: every value decoded, pairs chained start to start.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "catalog/points.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> packed(data, size);
  const auto values = lyrova::DecodePointValues(packed);
  const auto pairs = lyrova::DecodeTiming(packed);
  if (pairs.size() != values.size()) std::abort();
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (values[i] > 16511 || pairs[i].length != values[i] * 96) std::abort();
    if (i > 0 && static_cast<std::uint32_t>(pairs[i].start) !=
                     static_cast<std::uint32_t>(pairs[i - 1].start) + static_cast<std::uint32_t>(pairs[i - 1].length))
      std::abort();
  }
  return 0;
}
