#pragma once
// The largest sample of a 16-bit WAV file written by the player or its tools.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tests/support/temp_dir.h"

namespace lyrova::testing {

inline int WavPeak(const std::string& wav) {
  const std::string bytes = ReadFile(wav);
  int peak = 0;
  for (std::size_t i = 44; i + 1 < bytes.size(); i += 2) {
    const auto v = static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[i]) | bytes[i + 1] << 8);
    peak = std::max(peak, std::abs(static_cast<int>(v)));
  }
  return peak;
}

}  // namespace lyrova::testing
