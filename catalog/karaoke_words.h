#pragma once
// The words of a karaoke file and their timing, from its syllables.

#include <cstdint>
#include <string>
#include <vector>

#include "catalog/points.h"

namespace lyrova {

struct KaraokeSyllable {
  std::int32_t start = 0;  // music time
  std::string text;        // UTF-8; Soft Karaoke markers already read
  bool newLine = false;    // a "/" marker
  bool newParagraph = false;  // a "\" marker
};

struct KaraokeWords {
  std::string text;
  std::vector<TimingPair> timing;
};

// Line ends inside a syllable (CR, LF or CR LF) end the line there. Each
// syllable with characters other than the space lasts until the next such
// one, the last until `end` (or 384 when `end` is not later), and its
// characters share that time; a line of spaces only takes one pair of
// length 0.
KaraokeWords BuildKaraokeWords(const std::vector<KaraokeSyllable>& syllables, std::int32_t end);

}  // namespace lyrova
