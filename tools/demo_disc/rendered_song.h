#pragma once
// A demo song made ready for the disc: its texts in CP1251, its MIDI file,
// its words and the timing of every sung character.

#include <cstdint>
#include <string>
#include <vector>

#include "tools/demo_disc/points_block.h"
#include "tools/demo_disc/song_score.h"

namespace lyrova::demo {

// At the player's default lyric font a line of about this many characters
// fills the lyric area; longer lines of the words are shown as two.
inline constexpr std::size_t kMaxShownLineChars = 21;

// A syllable as a karaoke file carries it: a leading space where a word
// starts inside a line, and the line it opens.
struct TimedSyllable {
  std::string text;  // CP1251
  std::uint32_t start = 0;  // file ticks
  bool newLine = false;
  bool newVerse = false;
};

struct RenderedSong {
  std::string title;  // CP1251, as written on the header lines
  std::string lyricist;
  std::string composer;
  std::string singer;
  std::vector<std::string> wordLines;  // CP1251, as shown; empty lines part the verses
  ByteVector midi;                     // as stored, damage included
  std::vector<std::uint32_t> timing;   // introduction, then one value per sung character
  ByteVector points;                   // the timing packed
  std::uint32_t lengthTicks = 0;       // end of the music, in file ticks
  std::vector<TimedSyllable> syllables;
};

// Throws lyrova::Error naming the line when the written song does not hold
// together: a bad token or bar, chords that do not last as long as the
// tune, or words that do not match the notes.
RenderedSong RenderSong(const SongScore& score);

// The stored MIDI block with the first track length damaged as given.
void DamageFirstTrackLength(ByteVector& midi, LengthDamage damage);

}  // namespace lyrova::demo
