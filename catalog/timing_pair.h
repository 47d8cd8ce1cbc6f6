#pragma once
// A song's timing as it travels from its reader to the lyric page and the
// melody finder: the introduction first, then one pair per timed character
// of the words, each a start and a duration in music time (768 a quarter).

#include <cstdint>
#include <vector>

namespace lyrova {

struct TimingPair {
  std::int32_t start = 0;
  std::int32_t length = 0;  // the duration
  bool operator==(const TimingPair&) const = default;
};

using TimingPairs = std::vector<TimingPair>;

}  // namespace lyrova
