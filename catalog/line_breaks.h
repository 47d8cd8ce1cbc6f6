#pragma once
// Words that come without any line mark (no "/", "\", CR or LF) would make
// one line across the whole song: they are cut into lines where the
// singing pauses and where a line would grow too long to be read.

#include <vector>

#include "catalog/karaoke_words.h"

namespace lyrova {

// A line longer than this many characters is cut before the word that
// would pass it; the lyric page makes a line that is still too wide smaller.
inline constexpr int kMaxLineCharacters = 30;

// True when a syllable carries a line mark or a line end.
bool HasLineMarks(const std::vector<KaraokeSyllable>& syllables);

// Starts a new line (KaraokeSyllable::newLine, its leading spaces dropped)
// at each word that follows a pause, a time between two syllables' starts
// of at least three times the song's middle one and at least a quarter
// note, and before each word that would make the line too long.
void BreakIntoLines(std::vector<KaraokeSyllable>& syllables);

}  // namespace lyrova
