#pragma once
// A demo song as it is written down: header lines, tempo and key, the parts'
// instruments, and the tune line by line with its chords and words.

#include <cstdint>
#include <vector>

namespace lyrova::demo {

// How the accompaniment moves under the chords.
enum class Groove {
  Polka,    // 2/4: bass on the beats, chords on the off-beats
  March,    // 2/4 or 4/4: bass root and fifth, chords on every beat
  Ballad,   // 4/4 or 3/4: held chords, bass in long notes, soft drums
  Romance,  // 4/4 or 3/4: bass on the beat, chords broken into eighths
};

// How the stored MIDI block is damaged, as some songs of the disc are.
enum class LengthDamage {
  None,
  TopByte,      // the first track length's top byte reads 0xFF
  TopTwoBytes,  // both top bytes read 0xFF
  TooLong,      // a length beyond the data (single-track file, clamped on loading)
};

// One line of the tune. Melody and chords use the notation of
// music_notation.h; `words` marks syllables with '/' and a held syllable
// over a further note with a lone '_'. No words: an instrumental line.
// No melody: an empty line between verses.
struct ScoreLine {
  const char* melody = nullptr;
  const char* chords = nullptr;
  const char* words = nullptr;
};

struct Instruments {
  int lead = 73;  // General MIDI programs, 0-based
  int harmony = 21;
  int bass = 32;
};

struct SongScore {
  // Header lines as the disc holds them (UTF-8 here): authors with the
  // initial first, in the genitive.
  const char* title = "";
  const char* lyricist = "";
  const char* composer = "";
  const char* singer = "";
  int tempo = 100;  // quarter notes per minute
  int beatsPerBar = 4;
  int beatUnit = 4;
  const char* pickup = "";  // the anacrusis before the first full bar, e.g. ":8"
  int keySharps = 0;        // negative for flats
  bool minor = false;
  int transpose = 0;  // semitones applied to every part
  Instruments instruments;
  Groove groove = Groove::March;
  LengthDamage damage = LengthDamage::None;
  std::vector<ScoreLine> lines;
};

// Helpers that keep the song files readable.
inline ScoreLine Sing(const char* melody, const char* chords, const char* words) {
  return {melody, chords, words};
}
inline ScoreLine Play(const char* melody, const char* chords) { return {melody, chords, nullptr}; }
inline ScoreLine VerseBreak() { return {}; }

}  // namespace lyrova::demo
