// Karaoke files: any bytes are a song or a reason, and a song's timing
// holds the introduction and pairs that never run backwards.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "catalog/karaoke_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const lyrova::KaraokeReadResult r = lyrova::ReadKaraokeFile(std::span<const std::uint8_t>(data, size), "a - b.kar");
  if (r.ok != r.reason.empty()) std::abort();
  if (!r.ok) return 0;
  const auto& t = r.song.timing;
  if (!r.song.words.empty() && t.empty()) std::abort();
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (t[i].length < 0 || (i > 0 && t[i].start < t[i - 1].start)) std::abort();
  }
  return 0;
}
