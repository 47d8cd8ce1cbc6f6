#pragma once
// A song made ready for the player. A MIDI block: its damaged first track
// length mended, its resolution read so that ticks become music time, and
// its events read once into the sequence the audio thread plays. A recorded
// song: its sound, decoding ahead.

#include <cstdint>
#include <memory>
#include <vector>

#include "playback/midi_sequence.h"

namespace lyrova {

// Music-time units per quarter note, whatever the file's own resolution.
inline constexpr std::int64_t kMusicTimePerQuarter = 768;

class TRecordedSound;

struct TSegment {
  std::vector<std::uint8_t> midi;  // the repaired copy the player reads
  int division = 0;                // the file's ticks per quarter note
  TMidiSequence sequence;
  std::shared_ptr<TRecordedSound> recorded;  // instead of the MIDI block
};

// Throws lyrova::Error when the block is no Standard MIDI File the player can
// time (no header, or a frame-based resolution).
std::shared_ptr<const TSegment> MakeSegment(std::vector<std::uint8_t> midi);

// ticks of a segment in music time.
inline std::int64_t TicksToMusicTime(std::int64_t ticks, int division) {
  return ticks * kMusicTimePerQuarter / division;
}

}  // namespace lyrova
