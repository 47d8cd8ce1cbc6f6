#pragma once
// The compact text in which the demo songs are written.
//
// Melody: whitespace-separated tokens. A note is a letter a-g, an optional
// '#' or 'b', an octave digit (c4 is middle C) and an optional duration
// ":4", ":8.", ... (whole to thirty-second, dotted allowed); a duration
// carries on to the following notes. "r" is a rest, a trailing '~' ties a
// note (after its duration) to the next one of the same pitch, and "|" checks that a bar starts
// there.
//
// Chords: "Am", "E7", "C/G", "Bb", "Ddim", ... lasting a bar unless a
// duration follows ("G:4"), "r" for no chord and "|" as a bar check.

#include <cstdint>
#include <string_view>
#include <vector>

namespace lyrova::demo {

// Ticks per quarter note of the written MIDI files: a thirty-second note is
// 48 ticks, one unit of the song timing.
inline constexpr std::uint32_t kDivision = 384;
inline constexpr std::uint32_t kTicksPerTimingUnit = kDivision / 8;

struct BarGrid {
  std::uint32_t barLength = 4 * kDivision;
  std::uint32_t pickup = 0;  // a bar line falls at every pickup + k × barLength
};

struct MelodyNote {
  int key = 60;  // MIDI key number
  std::uint32_t start = 0;
  std::uint32_t length = 0;
};

struct Melody {
  std::vector<MelodyNote> notes;  // tied notes already joined
  std::uint32_t length = 0;       // notes and rests
};

struct ChordSpan {
  bool silent = false;
  int root = 0;            // pitch class, 0 = C
  int bass = 0;            // pitch class of the bass note
  std::vector<int> tones;  // pitch classes, root first
  std::uint32_t start = 0;
  std::uint32_t length = 0;
};

// Parse a line that starts at `start` ticks. Throw lyrova::Error naming the
// token on a bad token, a failed bar check or a dangling tie.
Melody ParseMelody(std::string_view text, std::uint32_t start, const BarGrid& grid);
std::vector<ChordSpan> ParseChords(std::string_view text, std::uint32_t start, const BarGrid& grid);

// A duration such as ":8." in ticks.
std::uint32_t ParseDuration(std::string_view text);

}  // namespace lyrova::demo
