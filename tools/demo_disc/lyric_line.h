#pragma once
// One line of words as the songs are written: syllables split by '/', a '_'
// (a word of its own after a word, or a syllable of its own inside one:
// "ко/ро/_/буш/ка") holding the syllable before it over one more note, and
// '+' joining a word without a vowel to the next ("в+рожь" is one syllable).

#include <string>
#include <string_view>
#include <vector>

namespace lyrova::demo {

struct Syllable {
  std::string text;  // CP1251, no spaces; punctuation belongs to its syllable
  int notes = 1;     // melody notes the syllable is sung on
};

struct LyricLine {
  std::string display;  // the line as shown, words separated by one space
  std::vector<Syllable> syllables;
  // Spaces of `display` where the line may be broken in two: between words,
  // not within a syllable ("в рожь") nor before a word of punctuation alone.
  std::vector<std::size_t> breaks;
};

// `words` is CP1251. A word of punctuation only ("—") joins the syllable
// before it. Throws lyrova::Error on a hold or punctuation with no syllable
// before it on the line.
LyricLine ParseLyricLine(std::string_view words);

}  // namespace lyrova::demo
