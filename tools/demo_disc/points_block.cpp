#include "tools/demo_disc/points_block.h"

#include <algorithm>
#include <string>

#include "catalog/errors.h"

namespace lyrova::demo {
namespace {

std::uint32_t Units(std::uint32_t ticks, std::uint32_t ticksPerUnit) {
  if (ticks % ticksPerUnit != 0)
    throw Error("tick " + std::to_string(ticks) + " is off the timing grid");
  return ticks / ticksPerUnit;
}

}  // namespace

std::vector<std::uint32_t> CharacterDurations(const std::vector<SungSyllable>& syllables,
                                              std::uint32_t ticksPerUnit) {
  std::vector<std::uint32_t> values;
  if (syllables.empty()) return values;
  values.push_back(Units(syllables.front().start, ticksPerUnit));
  for (std::size_t i = 0; i < syllables.size(); ++i) {
    const SungSyllable& s = syllables[i];
    const std::uint32_t until = i + 1 < syllables.size() ? syllables[i + 1].start : s.end;
    if (until <= s.start || s.characters < 1) throw Error("a syllable without time or characters");
    const std::uint32_t span = Units(until - s.start, ticksPerUnit);
    const std::uint32_t n = static_cast<std::uint32_t>(s.characters);
    for (std::uint32_t k = 0; k < n; ++k) values.push_back(span / n + (k < span % n ? 1 : 0));
  }
  if (*std::max_element(values.begin(), values.end()) > kMaxPointValue)
    throw Error("a timing value is too large for the points block");
  return values;
}

ByteVector EncodePoints(const std::vector<std::uint32_t>& values) {
  ByteVector out;
  for (std::uint32_t v : values) {
    if (v > kMaxPointValue) throw Error("timing value " + std::to_string(v) + " does not fit");
    if (v < 128) {
      out.push_back(static_cast<std::uint8_t>(v));
      continue;
    }
    const std::uint32_t high = std::min<std::uint32_t>(v / 128, 127);
    out.push_back(static_cast<std::uint8_t>(128 + high));
    out.push_back(static_cast<std::uint8_t>(v - high * 128));
  }
  return out;
}

}  // namespace lyrova::demo
