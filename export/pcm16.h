#pragma once
// A sample, -1..1, as 16-bit PCM.

#include <algorithm>
#include <cstdint>

namespace lyrova {

// Rounds half away from zero, as lround does, without a library call per
// sample: the conversion is a measurable share of a render.
inline std::int16_t Pcm16(float v) {
  const float scaled = std::clamp(v, -1.0f, 1.0f) * 32767.0f;
  return static_cast<std::int16_t>(scaled + (scaled < 0 ? -0.5f : 0.5f));
}

}  // namespace lyrova
